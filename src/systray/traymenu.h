#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <vector>

/// The tray icon's menu as one model, shown both as a popup menu and as a menu exported on the session bus.
///
/// Items have fixed ids (0 is the root) and keep their order; a label marks its mnemonic with '&', as Qt does.
/// Choosing an item reports what it asks for; the texts follow the on/off state and the sleep timer they are told of.
class TrayMenu : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    enum class Kind { Action, Submenu, Separator };

    struct Item {
        int id = 0;
        int parent = 0;
        Kind kind = Kind::Action;
        QString label;
        bool enabled = true;
    };

    enum Id : int {
        Root = 0,
        TurnOnOff,
        SleepTimer,
        SleepOff,
        Sleep15,
        Sleep30,
        Sleep45,
        Sleep60,
        Sleep90,
        Sleep120,
        SleepSeparator,
        SleepAdd,
        ShowWindow,
        QuitSeparator,
        Quit,
        // Added later: the ids above keep their numbers.
        AddSound,
        Mixer
    };

    /// What "Add 15 Minutes" adds.
    static constexpr std::chrono::minutes SleepStep{15};

    explicit TrayMenu(QObject *parent = nullptr);
    ~TrayMenu() override = default;

    /// The items under \a parent, in their order.
    QList<Item> children(int parent) const;
    /// The item \a id, or nullptr when there is none (the root is no item).
    const Item *item(int id) const;
    /// Chooses the item \a id as a click does; a disabled item, a submenu or a separator does nothing.
    void choose(int id);

    /// Whether the program is on: the first item offers to turn it off.
    void setTurnedOn(bool on);
    /// The sleep timer's whole minutes left; 0 while none runs.
    void setSleepMinutesLeft(int minutes);

Q_SIGNALS:
    void turnOnOffChosen();
    /// A sleep timer of \a length was chosen; zero turns it off.
    void sleepChosen(std::chrono::seconds length);
    void sleepExtended(std::chrono::seconds more);
    void addSoundChosen();
    void mixerChosen();
    void showChosen();
    void quitChosen();
    /// The label or the enabled state of the items \a ids changed.
    void itemsChanged(const QList<int> &ids);

private:
    struct Entry {
        Item item;
        std::function<void()> chosen;
    };

    Entry *entry(int id);
    void relabel();

    std::vector<Entry> m_entries;
    bool m_turnedOn = false;
    int m_sleepMinutes = 0;
};
