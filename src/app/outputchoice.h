#pragma once

#include "outputdevices.h"

#include <QObject>
#include <QString>

#include <functional>

class Player;
class SettingsStore;

/// The output the sound plays through: the user's choice, stored as "Output Device" (a stable name, empty for the
/// system's default) the moment it changes, played where the sound server offers it. A chosen output that is missing
/// plays on the default and is moved back to when it returns, with a line in the log each way.
class OutputChoice : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutputChoice)

public:
    static constexpr auto SettingKey = "Output Device";

    /// Every piece is the caller's and outlives the choice. Reads the stored choice; a stored output is looked for
    /// at once, since the sound may start any moment.
    OutputChoice(SettingsStore &store, OutputDevices &devices, Player &player, QObject *parent = nullptr);
    ~OutputChoice() override = default;

    /// Begins watching the outputs, as the menu or a command needs them.
    void watch();
    /// Whether the outputs have been listed since watch().
    bool isKnown() const { return m_devices.isKnown(); }
    QList<OutputDevice> devices() const { return m_devices.devices(); }
    /// The chosen output's stable name; empty for the system's default.
    QString chosen() const { return m_chosen; }
    /// The output the sound plays through: the chosen one while it is listed, else the default (empty).
    QString playing() const { return m_playing; }
    /// Chooses the output whose stable name, or else whose description, is \a nameOrDescription, or the default for
    /// "default" or an empty text; false, changing nothing, when no listed output has that name.
    bool choose(const QString &nameOrDescription);
    /// Calls \a then once the outputs are listed: at once when they are, else after the watch begun here has read them.
    void whenKnown(std::function<void()> then);

Q_SIGNALS:
    /// The list of outputs, or the choice, changed.
    void changed();

private:
    void devicesChanged();
    void setChosen(const QString &name);
    void follow();

    SettingsStore &m_store;
    OutputDevices &m_devices;
    Player &m_player;
    QString m_chosen;
    QString m_playing;
    bool m_missing = false;
    QList<std::function<void()>> m_waiting;
};
