#include "settingsstore.h"

#include "settingconversions.h"
#include "xdgconfighome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Somnivox Noise Player"_s;

QString variantToText(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::QStringList:
        // An unquoted stored value holding commas comes back as a list.
        return value.toStringList().join(u", "_s);
    case QMetaType::QDateTime:
        return SettingConversions::dateTimeToText(value.toDateTime());
    default:
        return value.toString();
    }
}

// Reading a FIFO or a device could wait or run for ever, and saving would replace the node with a regular file:
// anything but a regular file (or nothing at all), links followed, is neither read nor written.
bool isOtherThanRegularFile(const QString &fileName) {
    const QFileInfo info(fileName);
    return info.exists() && !info.isFile();
}

// QSettings waits for ever on a lock it cannot take, and half a minute on one a killed process left half written. A
// write holds the lock for milliseconds, so one older than a second is taken for stale and removed; one that cannot
// be had within the wait (a folder in its place, a lock held by a hung process) fails the write instead. Qt reads the
// holder of a lock it cannot take, so a FIFO or a device in the lock's place, which would hold that read for ever, is
// never handed to it.
bool lockCanBeHad(const QString &fileName, int waitMs) {
    // The folder is made as QSettings would make it for the file.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    const QString lockName = fileName + u".lock"_s;
    if (isOtherThanRegularFile(lockName)) {
        return false;
    }
    QLockFile lock(lockName);
    lock.setStaleLockTime(1000);
    if (!lock.tryLock(waitMs)) {
        return false;
    }
    lock.unlock();
    return true;
}

// QSettings keeps the first error it meets, so a damaged file would make every later write look failed. Every
// section is read at once; after a format error a second object, sharing what Qt has cached of the file, starts
// clean and reports only what happens to its own writes. Values not yet saved carry over to it.
std::unique_ptr<QSettings> openSettings(const QString &fileName) {
    if (isOtherThanRegularFile(fileName)) {
        return nullptr;
    }
    auto settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    settings->allKeys();
    if (settings->status() == QSettings::FormatError) {
        settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    }
    settings->beginGroup(Section);
    return settings;
}

} // namespace

SettingsStore::SettingsStore(const QString &fileName, QObject *parent)
    : QObject(parent), m_fileName(fileName), m_settings(openSettings(fileName)), m_settleTimer(new QTimer(this)) {
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(SettleMs);
    connect(m_settleTimer, &QTimer::timeout, this, &SettingsStore::flush);
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &SettingsStore::flush);
    }
}

SettingsStore::~SettingsStore() {
    flush();
}

QString SettingsStore::defaultFileName() {
    return QDir(xdgConfigHome()).filePath(u"Vantrelle.ini"_s);
}

QString SettingsStore::fileName() const {
    return m_fileName;
}

QString SettingsStore::ReadSetting(const QString &key, const QVariant &defaultValue) const {
    if (const auto pending = m_pending.constFind(key); pending != m_pending.cend()) {
        return *pending;
    }
    // A key that holds something unreadable still holds a value: it reads as empty text, not as the default.
    if (const auto unsaved = m_unsaved.constFind(key); unsaved != m_unsaved.cend()) {
        return *unsaved;
    }
    return m_settings && m_settings->contains(key) ? variantToText(m_settings->value(key))
                                                   : variantToText(defaultValue);
}

bool SettingsStore::isEmpty() const {
    return m_pending.isEmpty() && m_unsaved.isEmpty() && (!m_settings || m_settings->allKeys().isEmpty());
}

void SettingsStore::WriteSetting(const QString &key, const QString &text) {
    m_pending.remove(key);
    if (isOtherThanRegularFile(fileName())) {
        m_settings.reset();
    } else if (!m_settings || m_settings->status() != QSettings::NoError) {
        m_settings = openSettings(fileName());
    } else if (const QVariant stored = m_settings->value(key);
               !m_unsaved.contains(key) && stored.typeId() == QMetaType::QString && stored.toString() == text) {
        // The file already holds exactly this: rewriting and syncing it would only stall the caller.
        return;
    }
    // After a lock that could not be had, later writes do not wait on it again until one succeeds.
    if (!m_settings || !lockCanBeHad(fileName(), m_lockFailed ? 0 : LockWaitMs)) {
        m_lockFailed = m_settings != nullptr;
        // Kept for this run, and saved with the next write that succeeds.
        m_unsaved.insert(key, text);
        Q_EMIT writeFailed(tr("The setting \"%1\" could not be saved to %2.").arg(key, fileName()));
        return;
    }
    m_lockFailed = false;
    for (auto unsaved = m_unsaved.cbegin(); unsaved != m_unsaved.cend(); ++unsaved) {
        m_settings->setValue(unsaved.key(), unsaved.value());
    }
    m_unsaved.clear();
    m_settings->setValue(key, text);
    // QSettings writes through a temporary file renamed over the old one, so a failed or interrupted
    // write leaves the previous file whole.
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        Q_EMIT writeFailed(tr("The setting \"%1\" could not be saved to %2.").arg(key, fileName()));
    }
}

void SettingsStore::writeSettingSoon(const QString &key, const QString &text) {
    m_pending.insert(key, text);
    // Not restarted by later changes: a value that never settles still reaches the disk every interval.
    if (!m_settleTimer->isActive()) {
        m_settleTimer->start();
    }
}

void SettingsStore::flush() {
    m_settleTimer->stop();
    const QMap<QString, QString> pending = std::exchange(m_pending, {});
    for (auto value = pending.cbegin(); value != pending.cend(); ++value) {
        WriteSetting(value.key(), value.value());
    }
}
