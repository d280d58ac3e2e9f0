#include "appassembly.h"

#include "appicon.h"
#include "apptimer.h"
#include "buildconfig.h"
#include "dailywindow.h"
#include "generatednoise.h"
#include "soundprobe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTime>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Window managers and panels draw a window's icon at most this large, and the window hands each offered size over.
constexpr int LargestWindowIcon = 48;

int drawPercent() {
    QRandomGenerator random(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    return static_cast<int>(random.generateDouble() * 100) + 1;
}

} // namespace

AppAssembly::AppAssembly(const QString &programFolder)
    : m_player(programFolder + u"/somnivox-engine.so"_s), m_outputDevices(m_player.enginePath()),
      m_outputChoice(m_store, m_outputDevices, m_player),
      m_report(m_notifier, QString::fromUtf8(BuildConfig::SupportEmail)),
      m_form(
          {m_store, m_player, m_notifier, m_report, m_clock, &m_trayNotifier, m_startUp, m_skin, programFolder,
           QString::fromUtf8(BuildConfig::HomePage), applicationIcon(LargestWindowIcon), drawPercent,
           [](const QUrl &url) { QDesktopServices::openUrl(url); }, &m_activation,
           [enginePath = m_player.enginePath()](const QString &path) { return findSoundProblem(enginePath, path); }}),
      m_outputNotice(m_player, m_form, *m_form.trayIcon()),
      m_mpris({[this] { return m_form.isTurnedOn(); }, [this] { return m_player.playState() == Player::Playing; },
               [this] { m_form.PushButton2_Click(); }, [this] { showWindow(); },
               // A player widget shows the title: the name the user reads.
               [this] { return GeneratedNoise::displayName(m_form.styleName()); }}),
      m_sleepTimer(m_clock), m_trayMenuControl(m_trayMenu, m_form, m_sleepTimer, m_outputChoice),
      m_evenLoudness(m_trayMenu, m_store, m_player),
      m_sleepFade(m_sleepTimer, m_player,
                  {[this] { return m_form.isTurnedOn(); }, [this] { return isTimed(); },
                   [this] { return insideWindow(); }, [this] { m_form.PushButton2_Click(); },
                   [this](bool run) { m_form.holdSchedule(!run); }}),
      m_sleepInhibitor({[this] { silenceForSleep(); }, [this] { return m_player.isEnding(); }, [this] { wake(); }}),
      // Quitting also ends the loop of a message box the window closed from, and any box opened after it.
      m_end(m_player, [] { QCoreApplication::exit(0); }) {
    QObject::connect(&m_form, &Form1::unloaded, &m_end, &ProgramEnd::request);
    m_trayNotifier.setMenu(m_trayMenu);
    // The media controls learn at once of what the user does in the window.
    const auto refresh = [this] { m_mpris.refresh(); };
    for (const char *button : {"PushButton1", "PushButton2"}) {
        QObject::connect(m_form.findChild<QAbstractButton *>(QLatin1StringView(button)), &QAbstractButton::clicked,
                         &m_mpris, refresh, Qt::QueuedConnection);
    }
    QObject::connect(m_form.findChild<QComboBox *>(u"Combo1"_s), &QComboBox::currentIndexChanged, &m_mpris, refresh,
                     Qt::QueuedConnection);
    // Queued: a call that passes through other states on its way is seen where it ends.
    QObject::connect(&m_player, &Player::playStateChanged, &m_mpris, refresh, Qt::QueuedConnection);
    // Turning off, or another play option, cancels the sleep timer.
    QObject::connect(&m_form, &Form1::turnedOnChanged, &m_sleepFade, [this](bool on) {
        if (!on) {
            m_sleepFade.cancel();
        }
    });
    QObject::connect(&m_form, &Form1::playOptionChosen, &m_sleepFade, &SleepFade::cancel);
    QObject::connect(&m_player, &Player::soundEnded, &m_sleepInhibitor, &SleepInhibitor::soundEnded);
    QObject::connect(&m_sessionBus, &SessionBus::ready, &m_mpris, [this](const std::optional<QDBusConnection> &bus) {
        m_trayNotifier.useSessionBus(bus);
        if (bus) {
            m_mpris.publish(*bus);
        }
    });
}

void AppAssembly::start() {
    m_sessionBus.connectInBackground();
    m_sleepInhibitor.connectInBackground();
    m_evenLoudness.restore();
    m_form.Form_Load();
    // Closed while a message box of the start-up was open: the window does not come back.
    if (m_end.requested()) {
        return;
    }
    // The tray icon and the rest of the bus's work are set up once the window shows. Only a start into the tray
    // asks first, while it decides whether there is a tray to go to: a bus settled by then serves that decision.
    if (m_form.isMinimized()) {
        m_sessionBus.deliverIfReady();
    }
    m_form.showAfterLoad();
    QTimer::singleShot(0, &m_sessionBus, &SessionBus::deliverIfReady);
}

void AppAssembly::showWindow(const QString &activationToken) {
    m_form.showWindow(activationToken);
}

bool AppAssembly::isTimed() const {
    return m_form.findChild<QRadioButton *>(u"Option2"_s)->isChecked();
}

bool AppAssembly::insideWindow() const {
    try {
        return DailyWindow::isInside(m_form.findChild<QDateTimeEdit *>(u"DTPicker1"_s)->dateTime(),
                                     m_form.findChild<QDateTimeEdit *>(u"DTPicker2"_s)->dateTime(), m_clock);
    } catch (const std::exception &) {
        // A window that cannot be read holds no silence: the schedule tick reports it.
        return false;
    }
}

void AppAssembly::silenceForSleep() {
    // Nothing may start again before the computer sleeps: its audio would be held for the resume.
    m_form.timer1()->setEnabled(false);
    m_form.timer2()->setEnabled(false);
    m_player.stop();
}

void AppAssembly::wake() {
    // A timer whose end passed during the sleep acts first.
    m_sleepFade.check();
    if (m_form.isTurnedOn() && m_sleepFade.state() != SleepFade::State::Silenced && !m_end.requested()) {
        // As the schedule starts it: with its fade-in, and in the timed option only inside the window.
        m_form.timer1()->setEnabled(true);
        m_form.Timer1_Timer();
    }
}
