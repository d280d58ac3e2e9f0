#include "traymenu.h"

#include <algorithm>

using namespace std::chrono_literals;

TrayMenu::TrayMenu(QObject *parent) : QObject(parent) {
    const auto sleepFor = [this](std::chrono::minutes length) {
        return [this, length] { Q_EMIT sleepChosen(length); };
    };
    m_entries = {
        {{TurnOnOff, Root, Kind::Action, {}}, [this] { Q_EMIT turnOnOffChosen(); }},
        {{SleepTimer, Root, Kind::Submenu, {}}, {}},
        {{SleepOff, SleepTimer, Kind::Action, tr("&Off")}, sleepFor(0min)},
        {{Sleep15, SleepTimer, Kind::Action, tr("&15 Minutes")}, sleepFor(15min)},
        {{Sleep30, SleepTimer, Kind::Action, tr("&30 Minutes")}, sleepFor(30min)},
        {{Sleep45, SleepTimer, Kind::Action, tr("&45 Minutes")}, sleepFor(45min)},
        {{Sleep60, SleepTimer, Kind::Action, tr("1 &Hour")}, sleepFor(60min)},
        {{Sleep90, SleepTimer, Kind::Action, tr("&90 Minutes")}, sleepFor(90min)},
        {{Sleep120, SleepTimer, Kind::Action, tr("&2 Hours")}, sleepFor(120min)},
        {{SleepSeparator, SleepTimer, Kind::Separator, {}}, {}},
        {{SleepAdd, SleepTimer, Kind::Action, tr("&Add 15 Minutes")}, [this] { Q_EMIT sleepExtended(SleepStep); }},
        {{Output, Root, Kind::Submenu, tr("&Output")}, {}},
        {{OutputDefault, Output, Kind::Action, tr("System &Default"), true, Mark::Radio, true},
         [this] { Q_EMIT outputChosen({}); }},
        {{EvenLoudness, Root, Kind::Action, tr("&Even Loudness"), true, Mark::Check, true},
         [this] {
             setEvenLoudness(!item(EvenLoudness)->checked);
             Q_EMIT evenLoudnessChosen(item(EvenLoudness)->checked);
         }},
        {{AddSound, Root, Kind::Action, tr("A&dd Sound...")}, [this] { Q_EMIT addSoundChosen(); }},
        {{Mixer, Root, Kind::Action, tr("&Mixer...")}, [this] { Q_EMIT mixerChosen(); }},
        {{ShowWindow, Root, Kind::Action, tr("S&how Somnivox Noise Player")}, [this] { Q_EMIT showChosen(); }},
        {{QuitSeparator, Root, Kind::Separator, {}}, {}},
        {{Quit, Root, Kind::Action, tr("&Quit")}, [this] { Q_EMIT quitChosen(); }},
    };
    relabel();
}

QList<TrayMenu::Item> TrayMenu::children(int parent) const {
    QList<Item> items;
    for (const Entry &entry : m_entries) {
        if (entry.item.parent == parent) {
            items.append(entry.item);
        }
    }
    return items;
}

const TrayMenu::Item *TrayMenu::item(int id) const {
    const auto found =
        std::find_if(m_entries.cbegin(), m_entries.cend(), [id](const Entry &entry) { return entry.item.id == id; });
    return found == m_entries.cend() ? nullptr : &found->item;
}

TrayMenu::Entry *TrayMenu::entry(int id) {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry &entry) { return entry.item.id == id; });
    return found == m_entries.end() ? nullptr : &*found;
}

void TrayMenu::choose(int id) {
    const Entry *chosen = entry(id);
    if (chosen != nullptr && chosen->item.enabled && chosen->chosen) {
        chosen->chosen();
    }
}

void TrayMenu::setTurnedOn(bool on) {
    if (on == m_turnedOn) {
        return;
    }
    m_turnedOn = on;
    relabel();
    Q_EMIT itemsChanged({TurnOnOff});
}

void TrayMenu::setSleepMinutesLeft(int minutes) {
    if (minutes == m_sleepMinutes) {
        return;
    }
    m_sleepMinutes = minutes;
    relabel();
    Q_EMIT itemsChanged({SleepTimer, SleepOff});
}

void TrayMenu::setOutputs(const QList<Device> &outputs, const QString &chosen) {
    // The outputs come after every other item, so only their order among themselves counts.
    std::erase_if(m_entries, [](const Entry &entry) { return entry.item.id >= FirstOutputDevice; });
    bool listed = false;
    int id = FirstOutputDevice;
    for (const Device &output : outputs) {
        const bool checked = !chosen.isEmpty() && output.name == chosen;
        listed = listed || checked;
        // A description is shown as it is: an ampersand in it marks no mnemonic.
        QString label = output.description;
        label.replace(u'&', QStringLiteral("&&"));
        m_entries.push_back({{id++, Output, Kind::Action, label, true, Mark::Radio, checked},
                             [this, name = output.name] { Q_EMIT outputChosen(name); }});
    }
    entry(OutputDefault)->item.checked = !listed;
    Q_EMIT childrenChanged(Output);
}

void TrayMenu::open(int id) {
    Q_EMIT opening(id);
}

void TrayMenu::setEvenLoudness(bool on) {
    Item &check = entry(EvenLoudness)->item;
    if (on != check.checked) {
        check.checked = on;
        Q_EMIT itemsChanged({EvenLoudness});
    }
}

void TrayMenu::relabel() {
    entry(TurnOnOff)->item.label = m_turnedOn ? tr("&Turn Off") : tr("&Turn On");
    entry(SleepTimer)->item.label =
        m_sleepMinutes > 0 ? tr("&Sleep Timer (%1 min left)").arg(m_sleepMinutes) : tr("&Sleep Timer");
    // Nothing to turn off while no timer runs.
    entry(SleepOff)->item.enabled = m_sleepMinutes > 0;
}
