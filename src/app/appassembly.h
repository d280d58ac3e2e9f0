#pragma once

#include "evenloudnesscontrol.h"
#include "form1.h"
#include "lazyoutputdevices.h"
#include "lazyplayer.h"
#include "messageboxnotifier.h"
#include "mprisservice.h"
#include "mstartup.h"
#include "outputchoice.h"
#include "outputnotice.h"
#include "procedureerrorreport.h"
#include "programend.h"
#include "qttraynotifier.h"
#include "sessionbus.h"
#include "settingsstore.h"
#include "skinframework.h"
#include "sleepfade.h"
#include "sleepinhibitor.h"
#include "sleeptimer.h"
#include "systemclock.h"
#include "traymenu.h"
#include "traymenucontrol.h"
#include "windowactivation.h"

#include <QCoreApplication>

/// The program's parts, put together the way the program runs them: the settings in the user's configuration
/// folder, the player whose engine is loaded from the program's folder at the first sound, the error report naming
/// the support address, and the main window over the program's own folder. Needs a QApplication; nothing is read or
/// shown before start().
class AppAssembly {
public:
    /// \a programFolder holds the program and its sounds folder.
    explicit AppAssembly(const QString &programFolder = QCoreApplication::applicationDirPath());
    Q_DISABLE_COPY_MOVE(AppAssembly)
    ~AppAssembly() = default;

    /// Loads the settings into the window and shows it (or leaves it in the tray); the tray item and the media
    /// controls follow on the session bus once it is reached.
    void start();
    /// Whether the program has ended: its window closed and its sound fell silent, all before the event loop was to run
    /// when the window closed during start(), as from a message box.
    bool ended() const { return m_end.done(); }
    /// Shows the window as the tray icon's click does, for a later start of the program with its launcher's
    /// \a activationToken, or for the media controls.
    void showWindow(const QString &activationToken = {});

    Form1 &form() { return m_form; }
    const LazyPlayer &player() const { return m_player; }
    const ProcedureErrorReport &report() const { return m_report; }
    SleepTimer &sleepTimer() { return m_sleepTimer; }
    OutputChoice &outputChoice() { return m_outputChoice; }

private:
    bool isTimed() const;
    bool insideWindow() const;
    void silenceForSleep();
    void wake();

    SettingsStore m_store;
    LazyPlayer m_player;
    LazyOutputDevices m_outputDevices;
    OutputChoice m_outputChoice;
    TrayMenu m_trayMenu;
    QtTrayNotifier m_trayNotifier;
    MessageBoxNotifier m_notifier;
    ProcedureErrorReport m_report;
    const SystemClock m_clock;
    const mStartUp m_startUp;
    SkinFramework m_skin;
    WindowActivation m_activation;
    Form1 m_form;
    OutputNotice m_outputNotice;
    MprisService m_mpris;
    SleepTimer m_sleepTimer;
    TrayMenuControl m_trayMenuControl;
    EvenLoudnessControl m_evenLoudness;
    SleepFade m_sleepFade;
    SleepInhibitor m_sleepInhibitor;
    SessionBus m_sessionBus;
    ProgramEnd m_end;
};
