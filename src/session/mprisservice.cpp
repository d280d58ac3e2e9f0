#include "mprisservice.h"

#include "mprisplayeradaptor.h"
#include "mprisrootadaptor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMpris, "somnivox.mpris")

namespace {

const QString ObjectPath = u"/org/mpris/MediaPlayer2"_s;
const QString PlayerInterface = u"org.mpris.MediaPlayer2.Player"_s;

} // namespace

MprisService::MprisService(Controls controls, QObject *parent) : QObject(parent), m_controls(std::move(controls)) {
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
}

void MprisService::publish(const QDBusConnection &bus) {
    m_bus = bus;
    // A bus met again knows nothing of what was said on the last.
    m_status.clear();
    m_metadata.clear();
    if (!m_bus->registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcMpris, "cannot export the media controls: %s", qPrintable(m_bus->lastError().message()));
        return;
    }
    // Queued behind a client that already holds the name, so the bus hands it over once that one leaves.
    constexpr uint QueueForTheName = 0;
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                                                       u"org.freedesktop.DBus"_s, u"RequestName"_s);
    call << QString::fromLatin1(ServiceName) << QueueForTheName;
    m_bus->asyncCall(call);
    refresh();
}

QString MprisService::playbackStatus() const {
    return m_controls.isHeard() ? u"Playing"_s : u"Stopped"_s;
}

QVariantMap MprisService::metadata() const {
    const QString style = m_controls.styleName();
    if (style.isEmpty()) {
        return {
            {u"mpris:trackid"_s, QVariant::fromValue(QDBusObjectPath(u"/org/mpris/MediaPlayer2/TrackList/NoTrack"_s))}};
    }
    // A track id is an object path: the style's name with every other character made an underscore.
    QString element = style;
    for (QChar &c : element) {
        if (c.unicode() > 0x7f || (!c.isLetterOrNumber() && c != u'_')) {
            c = u'_';
        }
    }
    return {{u"mpris:trackid"_s, QVariant::fromValue(QDBusObjectPath(u"/org/vantrelle/Somnivox/style/"_s + element))},
            {u"xesam:title"_s, style}};
}

void MprisService::refresh() {
    QVariantMap changed;
    if (const QString status = playbackStatus(); status != m_status) {
        m_status = status;
        changed.insert(u"PlaybackStatus"_s, status);
    }
    if (const QVariantMap now = metadata(); now != m_metadata) {
        m_metadata = now;
        changed.insert(u"Metadata"_s, now);
    }
    if (changed.isEmpty() || !m_bus) {
        return;
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(ObjectPath, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s);
    signal << PlayerInterface << changed << QStringList();
    m_bus->send(signal);
}

void MprisService::play() {
    if (!m_controls.isOn()) {
        m_controls.pressOnOff();
    }
    refresh();
}

void MprisService::pause() {
    if (m_controls.isOn()) {
        m_controls.pressOnOff();
    }
    refresh();
}

void MprisService::stop() {
    pause();
}

void MprisService::playPause() {
    m_controls.pressOnOff();
    refresh();
}

void MprisService::raise() {
    m_controls.raise();
}
