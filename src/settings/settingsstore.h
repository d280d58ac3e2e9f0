#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

/// The per-user store of named text values, application "Vantrelle", section "Somnivox Noise Player".
/// Every write reaches the disk before it returns.
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
    /// Stores \a text under \a key, replacing any earlier value.
    void WriteSetting(const QString &key, const QString &text);

Q_SIGNALS:
    /// A write could not reach the disk; the file on disk keeps its previous contents.
    void writeFailed(const QString &reason);

private:
    std::unique_ptr<QSettings> m_settings;
};
