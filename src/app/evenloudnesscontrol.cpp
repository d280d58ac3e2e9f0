#include "evenloudnesscontrol.h"

#include "player.h"
#include "settingsstore.h"
#include "traymenu.h"

using namespace Qt::StringLiterals;

EvenLoudnessControl::EvenLoudnessControl(TrayMenu &menu, SettingsStore &store, Player &player, QObject *parent)
    : QObject(parent), m_menu(menu), m_store(store), m_player(player) {
    connect(&m_menu, &TrayMenu::evenLoudnessChosen, this, [this](bool on) {
        apply(on);
        m_store.WriteSetting(Key, on ? u"1"_s : u"0"_s);
    });
}

void EvenLoudnessControl::restore() {
    apply(m_store.ReadSetting(Key, u"1"_s).trimmed() != u"0"_s);
}

void EvenLoudnessControl::apply(bool on) {
    m_menu.setEvenLoudness(on);
    m_player.setEvenLoudness(on);
}
