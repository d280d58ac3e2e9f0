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
    /// What an action shows beside its label while checked: a check mark for an item on its own, a radio mark for one
    /// of a group of choices (the items of a submenu) of which the checked one is chosen.
    enum class Mark { None, Check, Radio };

    struct Item {
        int id = 0;
        int parent = 0;
        Kind kind = Kind::Action;
        QString label;
        bool enabled = true;
        Mark mark = Mark::None;
        bool checked = false;
    };

    /// An output offered in the "Output" submenu: its stable name, and the description shown.
    struct Device {
        QString name;
        QString description;
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
        Output,
        OutputDefault,
        EvenLoudness,
        Mixer,
        /// The outputs listed after the default take the ids from here on, in their order.
        FirstOutputDevice = 1000
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
    /// Lists \a outputs after "System Default" in the "Output" submenu, the one named \a chosen checked (the
    /// default for an empty or unlisted name).
    void setOutputs(const QList<Device> &outputs, const QString &chosen);
    /// The menu, or its submenu \a id, is about to be shown.
    void open(int id);
    /// Whether "Even Loudness" is checked; choosing it checks or unchecks it and tells evenLoudnessChosen().
    void setEvenLoudness(bool on);

Q_SIGNALS:
    void turnOnOffChosen();
    /// A sleep timer of \a length was chosen; zero turns it off.
    void sleepChosen(std::chrono::seconds length);
    void sleepExtended(std::chrono::seconds more);
    void addSoundChosen();
    /// The output named \a name was chosen; empty for the system's default.
    void outputChosen(const QString &name);
    void opening(int id);
    /// "Even Loudness" was chosen, and is now \a on.
    void evenLoudnessChosen(bool on);
    void mixerChosen();
    void showChosen();
    void quitChosen();
    /// The label, the enabled or the checked state of the items \a ids changed.
    void itemsChanged(const QList<int> &ids);
    /// The items under \a parent were replaced.
    void childrenChanged(int parent);

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
