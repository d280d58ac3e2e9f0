#include "traymenucontrol.h"

#include "form1.h"
#include "mixerwindow.h"
#include "outputchoice.h"
#include "sleeptimer.h"
#include "traymenu.h"
#include "usersounds.h"

#include <QCursor>

namespace {

void listOutputs(TrayMenu &menu, const OutputChoice &output) {
    QList<TrayMenu::Device> outputs;
    for (const OutputDevice &device : output.devices()) {
        outputs.append({device.name, device.description});
    }
    menu.setOutputs(outputs, output.chosen());
}

} // namespace

TrayMenuControl::TrayMenuControl(TrayMenu &menu, Form1 &form, SleepTimer &timer, OutputChoice &output, QObject *parent)
    : QObject(parent), m_popup(menu) {
    menu.setTurnedOn(form.isTurnedOn());
    menu.setSleepMinutesLeft(timer.minutesLeft());
    connect(&form, &Form1::turnedOnChanged, &menu, &TrayMenu::setTurnedOn);
    connect(&timer, &SleepTimer::changed, &menu, [&menu, &timer] { menu.setSleepMinutesLeft(timer.minutesLeft()); });
    connect(&form, &Form1::trayMenuRequested, &m_popup, [this] { m_popup.popup(QCursor::pos()); });
    listOutputs(menu, output);
    connect(&output, &OutputChoice::changed, &menu, [&menu, &output] { listOutputs(menu, output); });
    connect(&menu, &TrayMenu::opening, &output, &OutputChoice::watch);
    connect(&menu, &TrayMenu::outputChosen, &output, [&output](const QString &name) { output.choose(name); });

    connect(&menu, &TrayMenu::turnOnOffChosen, &form, &Form1::PushButton2_Click);
    connect(&menu, &TrayMenu::sleepChosen, &timer, &SleepTimer::set);
    connect(&menu, &TrayMenu::sleepExtended, &timer, &SleepTimer::extend);
    connect(&menu, &TrayMenu::addSoundChosen, form.userSounds(), &UserSounds::choose);
    connect(&menu, &TrayMenu::mixerChosen, form.mixer(), &MixerWindow::showMixer);
    connect(&menu, &TrayMenu::showChosen, &form, [&form] { form.showWindow({}); });
    connect(&menu, &TrayMenu::quitChosen, &form, &QWidget::close);
}
