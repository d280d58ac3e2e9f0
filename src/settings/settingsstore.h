#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;
class QTimer;

/// The per-user store of named text values, application "Vantrelle", section "Somnivox Noise Player".
/// WriteSetting reaches the disk before it returns; writeSettingSoon within SettleMs.
class SettingsStore : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsStore)

public:
    /// Opens the store at \a fileName; by default $XDG_CONFIG_HOME/Vantrelle.ini.
    explicit SettingsStore(const QString &fileName = defaultFileName(), QObject *parent = nullptr);
    ~SettingsStore() override;

    static QString defaultFileName();
    QString fileName() const;

    /// The stored text of \a key, or \a defaultValue converted to text when the key holds nothing.
    QString ReadSetting(const QString &key, const QVariant &defaultValue) const;
    /// Whether the store holds no value at all, as on the program's first run.
    bool isEmpty() const;
    /// Stores \a text under \a key, replacing any earlier value. A file that is not a regular file (links followed)
    /// is never written.
    void WriteSetting(const QString &key, const QString &text);
    /// Stores \a text under \a key for reading at once and on disk within SettleMs, however often it changes in
    /// between: a burst of changes (a held key, a turned wheel) is written once. Pending values are written when the
    /// application quits and when the store goes.
    void writeSettingSoon(const QString &key, const QString &text);
    /// Writes every pending value now.
    void flush();

    /// How long a value written soon may wait for the disk.
    static constexpr int SettleMs = 500;

Q_SIGNALS:
    /// A write could not reach the disk; the file on disk keeps its previous contents.
    void writeFailed(const QString &reason);

private:
    /// How long a write waits for the lock beside the file before it fails.
    static constexpr int LockWaitMs = 2000;

    QString m_fileName;
    /// Null while the file is something other than a regular file.
    std::unique_ptr<QSettings> m_settings;
    /// Values written soon that wait for the settle timer.
    QMap<QString, QString> m_pending;
    QTimer *m_settleTimer;
    /// Values whose write was refused before it reached QSettings.
    QMap<QString, QString> m_unsaved;
    bool m_lockFailed = false;
};
