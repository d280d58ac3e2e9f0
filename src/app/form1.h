#pragma once

#include "soundimport.h"

#include <QIcon>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

class AppTimer;
class Clock;
class SkinFramework;
class TrayNotifier;
class WindowPointer;
class cSysTray;
class mStartUp;
class MixerWindow;
class Player;
class ProcedureErrorReport;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class SettingsStore;
class UserSounds;
class UserNotifier;
class WarningAfterInput;
class WindowActivation;

/// The main window: its controls, its start-up sequence and the handlers of their events.
class Form1 : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    /// What the window works with; every piece is owned by the caller and outlives the window.
    struct Services {
        SettingsStore &store;
        Player &player;
        UserNotifier &notifier;
        ProcedureErrorReport &report;
        const Clock &clock;
        /// The notification area; not owned, and it must outlive the window.
        TrayNotifier *trayNotifier;
        const mStartUp &startUp;
        SkinFramework &skin;
        QString programFolder;
        /// Opened now and then at start-up.
        QString homePage;
        QIcon applicationIcon;
        /// Draws a whole number from 1 to 100 for the home-page visit.
        std::function<int()> drawPercent;
        /// Opens an address in the user's browser.
        std::function<void(const QUrl &)> openUrl;
        /// Brings the window forward where the window system asks for more than a raise; not owned, may be null.
        WindowActivation *activation;
        /// Why a sound file the user adds does not play (empty when it plays); called on a worker thread.
        SoundImport::Probe soundProblem;
    };

    static constexpr auto ProductName = "Somnivox Noise Player";
    static constexpr auto MinimizedBalloon =
        QT_TR_NOOP("has been minimized to the system tray.\r\n"
                   "Click on the blue 'V' icon (V for Vantrelle) to bring the software back.");

    explicit Form1(Services services, QWidget *parent = nullptr);
    ~Form1() override;

    /// The title under which the platform lists the program: the product name cut by whole words.
    static QString appTitleFor(const QString &productName);

    void Form_Load();
    /// Shows the window in the state the start-up sequence left it.
    void showAfterLoad();

    const Services &services() const { return m_services; }
    bool isLoading() const { return m_loading; }
    /// Whether the program is turned on (the on/off button offers "Turn Off").
    bool isTurnedOn() const;
    /// The name of the chosen style; empty while none is chosen.
    QString styleName() const;
    /// The title under which the platform lists the program, set at start-up.
    QString appTitle() const { return m_appTitle; }
    /// Whether the window is hidden in the notification area.
    bool MinimizedToTray() const { return m_minimizedToTray; }

    // Handlers, also called directly where the program needs it.
    void Combo1_Click();
    void Slider1_Change();
    void Slider2_Change();
    void PushButton1_Click();
    void PushButton2_Click();
    void Option1_Click();
    void Option2_Click();
    void DTPicker1_Change();
    void DTPicker2_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void Check4_Click();
    void Check8_Click();
    void Form_Resize();
    void cSysTray1_MouseUp(int Button, int Id);
    /// Restores the window as the tray icon's click does, with the token of the launcher that asked for it, if any.
    void showWindow(const QString &activationToken);
    void Form_QueryUnload();
    void Form_Unload();
    /// Holds the schedule tick off while the daily window is to stay silent, and lets it run again: a preview that
    /// ends meanwhile leaves the window silent.
    void holdSchedule(bool held);

    AppTimer *timer1() const { return Timer1; }
    AppTimer *timer2() const { return Timer2; }
    cSysTray *trayIcon() const { return cSysTray1; }
    WindowPointer *pointer() const { return m_pointer.get(); }
    UserSounds *userSounds() const { return m_userSounds; }
    MixerWindow *mixer() const { return m_mixer; }

Q_SIGNALS:
    /// The window has unloaded: the program is to end.
    void unloaded();
    /// The on/off button's caption was set: \a on when it offers "Turn Off".
    void turnedOnChanged(bool on);
    /// A right click on the tray icon asks for the tray's menu.
    void trayMenuRequested();
    /// A play option has been chosen (or chosen again by the start-up sequence).
    void playOptionChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void connectMouseMoves();
    QList<QWidget *> controlsInOrder() const;
    void trayAvailabilityChanged(bool available);
    void hideToTray();
    void checkScheduleNow();
    void warnStartUpEntry(const QString &reason);
    void SetAppTitle();
    void RandomHomePageVisit();
    /// The preview button offers a new preview and stops watching the one that played.
    void endPreview();
    QString styleFile() const;
    /// A fade length stored in whole seconds under \a key.
    std::chrono::seconds fadeSetting(const QString &key, std::chrono::seconds fallback) const;
    void setOnOffCaption(const QString &caption);
    void writeDateTime(const QString &key, const QDateTimeEdit *picker);
    void warnWriteFailed(const QString &reason);

    Services m_services;
    bool m_loading = false;
    bool m_writeFailureShown = false;
    bool m_minimizedToTray = false;
    bool m_unloaded = false;
    bool m_scheduleHeld = false;
    QString m_appTitle;
    std::unique_ptr<WindowPointer> m_pointer;
    WarningAfterInput *m_writeWarning = nullptr;
    UserSounds *m_userSounds = nullptr;
    MixerWindow *m_mixer = nullptr;

    // Controls in their creation order.
    QPushButton *PushButton2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QDateTimeEdit *DTPicker1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QDateTimeEdit *DTPicker2 = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QCheckBox *Check8 = nullptr;
    QCheckBox *Check4 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QSlider *Slider1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *m_addSoundButton = nullptr;
    QPushButton *m_mixerButton = nullptr;
    AppTimer *Timer2 = nullptr;
    AppTimer *Timer1 = nullptr;
    cSysTray *cSysTray1 = nullptr;
    QObject *CommonDialog1 = nullptr;
    QSlider *Slider2 = nullptr;
    QLabel *Label2 = nullptr;
    QWidget *WindowsMediaPlayer1 = nullptr;
};
