#include "settingsstore.h"

#include "settingconversions.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

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

// QSettings waits half a minute on a lock file it finds, even an empty one left by a process killed while creating
// it. A write holds the lock for milliseconds, so one older than a second is taken for stale and removed first.
void clearStaleLock(const QString &fileName) {
    QLockFile lock(fileName + u".lock"_s);
    lock.setStaleLockTime(1000);
    if (lock.tryLock(2000)) {
        lock.unlock();
    }
}

// QSettings keeps the first error it meets, so a damaged file would make every later write look failed. Every
// section is read at once; after a format error a second object, sharing what Qt has cached of the file, starts
// clean and reports only what happens to its own writes. Values not yet saved carry over to it.
std::unique_ptr<QSettings> openSettings(const QString &fileName) {
    clearStaleLock(fileName);
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
    : QObject(parent), m_settings(openSettings(fileName)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFileName() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(u"Vantrelle.ini"_s);
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}

QString SettingsStore::ReadSetting(const QString &key, const QVariant &defaultValue) const {
    // A key that holds something unreadable still holds a value: it reads as empty text, not as the default.
    return m_settings->contains(key) ? variantToText(m_settings->value(key)) : variantToText(defaultValue);
}

void SettingsStore::WriteSetting(const QString &key, const QString &text) {
    if (m_settings->status() != QSettings::NoError) {
        m_settings = openSettings(fileName());
    } else if (const QVariant stored = m_settings->value(key);
               stored.typeId() == QMetaType::QString && stored.toString() == text) {
        // The file already holds exactly this: rewriting and syncing it would only stall the caller.
        return;
    }
    m_settings->setValue(key, text);
    clearStaleLock(fileName());
    // QSettings writes through a temporary file renamed over the old one, so a failed or interrupted
    // write leaves the previous file whole.
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        Q_EMIT writeFailed(tr("The setting \"%1\" could not be saved to %2.").arg(key, fileName()));
    }
}
