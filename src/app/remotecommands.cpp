#include "remotecommands.h"

#include "form1.h"
#include "generatednoise.h"
#include "player.h"
#include "sleeptimer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

RemoteCommands::RemoteCommands(Form1 &form, SleepTimer &sleepTimer)
    : m_form(form), m_sleepTimer(sleepTimer), m_onOff(form.findChild<QAbstractButton *>(u"PushButton2"_s)),
      m_styles(form.findChild<QComboBox *>(u"Combo1"_s)), m_volume(form.findChild<QSlider *>(u"Slider1"_s)),
      m_infinite(form.findChild<QRadioButton *>(u"Option1"_s)) {
    Q_ASSERT(m_onOff && m_styles && m_volume && m_infinite);
}

SingleInstance::Answer RemoteCommands::answer(const QStringList &arguments) {
    const CommandLine::Parsed parsed = CommandLine::parse(QStringList{u"somnivox"_s} + arguments);
    if (parsed.outcome == CommandLine::Outcome::Bad) {
        return {CommandLine::BadUsage, parsed.text + u'\n'};
    }
    if (parsed.outcome != CommandLine::Outcome::Run || parsed.command.isEmpty()) {
        return {CommandLine::BadUsage, tr("somnivox: no command given") + u'\n'};
    }
    return carryOut(parsed.command);
}

SingleInstance::Answer RemoteCommands::carryOut(const CommandLine::Command &command) {
    switch (command.query) {
    case CommandLine::Query::Status:
        return {CommandLine::Done, status()};
    case CommandLine::Query::ListStyles:
        return {CommandLine::Done, styles()};
    case CommandLine::Query::None:
        break;
    }
    int style = command.style ? m_styles->findData(*command.style) : -1;
    if (command.style && style < 0) {
        // The name the list shows in the user's language.
        style = m_styles->findData(GeneratedNoise::styleOf(*command.style));
    }
    if (command.style && style < 0) {
        return notListed(*command.style);
    }
    // The controls raise their handlers, which store the choice as a click does.
    if (command.style) {
        m_styles->setCurrentIndex(style);
    }
    if (command.volume) {
        m_volume->setValue(*command.volume);
    }
    const bool on = m_form.isTurnedOn();
    if ((command.power == CommandLine::Power::TurnOn && !on) || (command.power == CommandLine::Power::TurnOff && on) ||
        command.power == CommandLine::Power::Toggle) {
        m_onOff->click();
    }
    if (command.sleep) {
        if (*command.sleep > 0s) {
            m_sleepTimer.set(*command.sleep);
        } else {
            m_sleepTimer.cancel();
        }
    }
    return {CommandLine::Done, QString()};
}

SingleInstance::Answer RemoteCommands::notListed(const QString &style) {
    return {CommandLine::BadUsage,
            tr("somnivox: \"%1\" is not a listed style (--list-styles lists them)").arg(style) + u'\n'};
}

QString RemoteCommands::status() const {
    const Player &player = m_form.services().player;
    const QString output = player.playState() != Player::Playing ? u"silent"_s
                           : player.isWaitingForOutput()         ? u"waiting"_s
                                                                 : u"playing"_s;
    // Read by scripts: the keys and values are never translated.
    return u"state: %1\nmode: %2\nstyle: %3\nvolume: %4\nsleep: %5\noutput: %6\n"_s.arg(
        m_form.isTurnedOn() ? u"on"_s : u"off"_s, m_infinite->isChecked() ? u"infinite"_s : u"timed"_s,
        m_form.styleName(), QString::number(m_volume->value()),
        m_sleepTimer.isRunning() ? QString::number(m_sleepTimer.left().count()) : u"off"_s, output);
}

QString RemoteCommands::styles() const {
    QString lines;
    for (int i = 0; i < m_styles->count(); ++i) {
        lines += m_styles->itemData(i).toString() + u'\n';
    }
    return lines;
}
