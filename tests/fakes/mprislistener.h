#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

/// A client that follows a media player on the bus: the playback states it is told of, in order.
class MprisListener : public QObject {
    Q_OBJECT

public:
    QStringList statuses;

    /// Follows every player on \a bus; true when the bus took the match.
    bool follow(QDBusConnection &bus) {
        return bus.connect(QString(), QStringLiteral("/org/mpris/MediaPlayer2"),
                           QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), this,
                           SLOT(changed(QDBusMessage)));
    }

public Q_SLOTS:
    void changed(const QDBusMessage &message) {
        if (message.arguments().value(0).toString() == QStringLiteral("org.mpris.MediaPlayer2.Player")) {
            const auto changed = qdbus_cast<QVariantMap>(message.arguments().at(1));
            if (changed.contains(QStringLiteral("PlaybackStatus"))) {
                statuses.append(changed.value(QStringLiteral("PlaybackStatus")).toString());
            }
        }
    }
};
