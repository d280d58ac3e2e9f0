#include "traymenucontrol.h"

#include "form1.h"
#include "mixerwindow.h"
#include "sleeptimer.h"
#include "traymenu.h"
#include "usersounds.h"

#include <QCursor>

TrayMenuControl::TrayMenuControl(TrayMenu &menu, Form1 &form, SleepTimer &timer, QObject *parent)
    : QObject(parent), m_popup(menu) {
    menu.setTurnedOn(form.isTurnedOn());
    menu.setSleepMinutesLeft(timer.minutesLeft());
    connect(&form, &Form1::turnedOnChanged, &menu, &TrayMenu::setTurnedOn);
    connect(&timer, &SleepTimer::changed, &menu, [&menu, &timer] { menu.setSleepMinutesLeft(timer.minutesLeft()); });
    connect(&form, &Form1::trayMenuRequested, &m_popup, [this] { m_popup.popup(QCursor::pos()); });

    connect(&menu, &TrayMenu::turnOnOffChosen, &form, &Form1::PushButton2_Click);
    connect(&menu, &TrayMenu::sleepChosen, &timer, &SleepTimer::set);
    connect(&menu, &TrayMenu::sleepExtended, &timer, &SleepTimer::extend);
    connect(&menu, &TrayMenu::addSoundChosen, form.userSounds(), &UserSounds::choose);
    connect(&menu, &TrayMenu::mixerChosen, form.mixer(), &MixerWindow::showMixer);
    connect(&menu, &TrayMenu::showChosen, &form, [&form] { form.showWindow({}); });
    connect(&menu, &TrayMenu::quitChosen, &form, &QWidget::close);
}
