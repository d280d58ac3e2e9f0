#pragma once

#include <QObject>
#include <QString>

class Player;
class SettingsStore;
class TrayMenu;

/// Keeps the tray menu's "Even Loudness", the player and the stored setting "Even Loudness" ("1" on, the default, or
/// "0") in step: the stored choice is restored at start, and a choice in the menu is stored the moment it is made.
class EvenLoudnessControl : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EvenLoudnessControl)

public:
    static inline const QString Key = QStringLiteral("Even Loudness");

    /// Every piece is the caller's and outlives the control.
    EvenLoudnessControl(TrayMenu &menu, SettingsStore &store, Player &player, QObject *parent = nullptr);
    ~EvenLoudnessControl() override = default;

    /// Reads the stored choice into the menu and the player; anything stored but "0" is on.
    void restore();

private:
    void apply(bool on);

    TrayMenu &m_menu;
    SettingsStore &m_store;
    Player &m_player;
};
