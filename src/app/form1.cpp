#include "form1.h"

#include "addfolder.h"
#include "applyskin.h"
#include "apptimer.h"
#include "boxcolours.h"
#include "clock.h"
#include "controlvalues.h"
#include "csystray.h"
#include "dailywindow.h"
#include "errortrap.h"
#include "fader.h"
#include "fileexists.h"
#include "generatednoise.h"
#include "layoutmirror.h"
#include "mixerwindow.h"
#include "mousemovefilter.h"
#include "mstartup.h"
#include "player.h"
#include "procedureerrorreport.h"
#include "propertybag.h"
#include "settingconversions.h"
#include "settingsstore.h"
#include "skinframework.h"
#include "stylelibrary.h"
#include "traypicture.h"
#include "usernotifier.h"
#include "usersounds.h"
#include "warningafterinput.h"
#include "windowactivation.h"
#include "windowpointer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

Q_LOGGING_CATEGORY(lcForm1, "somnivox.form1")

namespace {

const QString LoadLocation = u"in Somnivox2021/08/31.Form1.Form_Load "_s;
const QString PushButton1Location = u"in Somnivox2021/08/31.Form1.PushButton1_Click "_s;
const QString PushButton2Location = u"in Somnivox2021/08/31.Form1.PushButton2_Click "_s;
const QString Timer1Location = u"in Somnivox2021/08/31.Form1.Timer1_Timer "_s;
const QString QueryUnloadLocation = u"in Somnivox2021/08/31.Form1.Form_QueryUnload "_s;

// The main window's saved data of its tray icon control.
const QString SavedTrayControl = u":/form1/csystray1.bag"_s;

// Compared as well as shown: read in the user's language, which is chosen before the window exists.
const auto TurnOn = [] { return Form1::tr("Turn On"); };
const auto TurnOff = [] { return Form1::tr("Turn Off"); };
const auto PreviewSound = [] { return Form1::tr("Preview Sound"); };
const auto StopCaption = [] { return Form1::tr("Stop"); };

constexpr int TwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

// Handlers without a trap let nothing escape into the event loop, which would end the program.
template<typename Handler>
auto untrapped(const char *name, Handler handler) {
    return [name, handler](auto &&...) {
        try {
            handler();
        } catch (const std::exception &error) {
            qCWarning(lcForm1, "%s failed: %s", name, error.what());
        } catch (...) {
            qCWarning(lcForm1, "%s failed", name);
        }
    };
}

QSlider *makeSlider(QWidget *parent, const QRect &geometry, int minimum, int maximum) {
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setGeometry(geometry);
    slider->setRange(minimum, maximum);
    slider->setPageStep(5);
    slider->setSingleStep(1);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(50);
    return slider;
}

QDateTimeEdit *makePicker(QWidget *parent, const QRect &geometry) {
    auto *picker = new QDateTimeEdit(parent);
    picker->setGeometry(geometry);
    picker->setDisplayFormat(SettingConversions::timeFormat(QLocale::system()));
    // Until start-up restores it the picker holds today at midnight.
    ControlValues::setDateTime(picker, QDateTime(QDate::currentDate(), QTime(0, 0)));
    return picker;
}

template<typename Control>
Control *makeOnBox(QWidget *parent, const QString &text, const QRect &geometry) {
    auto *control = new Control(text, parent);
    control->setGeometry(geometry);
    // Buttons fill from the button colour: these fill from the window colour, as the frames and labels do, which is
    // also the colour the skin sets.
    control->setBackgroundRole(QPalette::Window);
    return control;
}

// A plain top-level widget is a mere "filler" to a screen reader; the main window is a frame titled as the program.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object) {
    if (className == QLatin1StringView(Form1::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

Form1::Form1(Services services, QWidget *parent) : QWidget(parent), m_services(std::move(services)) {
    QAccessible::installFactory(accessibleWindow);
    setObjectName(u"Form1"_s);
    setFixedSize(536, 396);
    setFont(QFont(u"Arial"_s, 9));
    createControls();
    auto *boxColours = new BoxColours(this);
    for (QWidget *box :
         std::initializer_list<QWidget *>{Frame1, Option2, Option1, Label1, Frame4, Check8, Check4, Frame3, Frame2}) {
        boxColours->paint(box);
    }
    if (isRightToLeft()) {
        for (QWidget *area : std::initializer_list<QWidget *>{this, Frame1, Frame2, Frame3, Frame4}) {
            LayoutMirror::mirrorChildren(area);
        }
    }
    connectHandlers();
    m_pointer = std::make_unique<WindowPointer>(this);
    connectMouseMoves();
    // A write fails inside the handler of the control that changed; the warning waits until that is done.
    m_writeWarning = new WarningAfterInput(m_services.notifier, this);
    connect(&m_services.store, &SettingsStore::writeFailed, this, &Form1::warnWriteFailed);
    m_userSounds =
        new UserSounds(this, Combo1, m_services.soundProblem, m_services.programFolder, m_writeWarning,
                       QString::fromLatin1(ProductName), untrapped("Combo1_Click", [this] { Combo1_Click(); }));
    connect(m_addSoundButton, &QPushButton::clicked, m_userSounds, &UserSounds::choose);
    m_mixer = new MixerWindow(
        m_services.player, m_services.programFolder, [this] { return styleName(); }, this);
    connect(m_mixerButton, &QPushButton::clicked, m_mixer, &MixerWindow::showMixer);
    if (const std::optional<PropertyBag> saved = PropertyBag::load(SavedTrayControl)) {
        cSysTray1->UserControl_ReadProperties(*saved);
    }
    // The drawn icon carries its transparency at every size, which the saved 16-pixel picture cannot.
    if (!m_services.applicationIcon.isNull()) {
        cSysTray1->setTrayIcon(TrayPicture::fromIcon(m_services.applicationIcon, SavedTrayControl));
    }
}

Form1::~Form1() = default;

void Form1::createControls() {
    PushButton2 = new QPushButton(TurnOn(), this);
    PushButton2->setGeometry(twips(120, 120, 7800, 405));

    Frame1 = new QGroupBox(tr("Play Option"), this);
    Frame1->setGeometry(twips(120, 600, 7800, 1725));
    DTPicker1 = makePicker(Frame1, twips(1680, 675, 5760, 375));
    Option2 = makeOnBox<QRadioButton>(Frame1, tr("Play from"), twips(180, 700, 1440, 300));
    Option1 =
        makeOnBox<QRadioButton>(Frame1, tr("Play white noise until 'Turn Off' is clicked"), twips(180, 300, 7440, 300));
    DTPicker2 = makePicker(Frame1, twips(1680, 1140, 5760, 375));
    // Both would take their frame's title as their name.
    DTPicker1->setAccessibleName(tr("Start of the daily window"));
    DTPicker2->setAccessibleName(tr("End of the daily window"));
    // Wide enough for the word in any language, and next to the picker it introduces.
    Label1 = makeOnBox<QLabel>(Frame1, tr("to"), twips(180, 1170, 1440, 300));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Frame4 = new QGroupBox(tr("Startup Options"), this);
    Frame4->setGeometry(twips(120, 4800, 7800, 1035));
    Check8 = makeOnBox<QCheckBox>(Frame4, tr("Start in system tray"), twips(240, 650, 7320, 225));
    Check4 = makeOnBox<QCheckBox>(Frame4, tr("Load this software on Windows startup"), twips(240, 300, 7320, 225));

    Frame3 = new QGroupBox(tr("Volume"), this);
    Frame3->setGeometry(twips(120, 3870, 7800, 825));
    Slider1 = makeSlider(Frame3, twips(60, 240, 7680, 495), 1, 100);

    Frame2 = new QGroupBox(tr("Which style noise would you like to play?"), this);
    Frame2->setGeometry(twips(120, 2430, 7800, 1335));
    Combo1 = new QComboBox(Frame2);
    Combo1->setGeometry(twips(240, 300, 7310, 345));
    PushButton1 = new QPushButton(PreviewSound(), Frame2);
    PushButton1->setGeometry(twips(240, 750, 3000, 405));
    m_addSoundButton = new QPushButton(tr("&Add Sound..."), Frame2);
    m_addSoundButton->setGeometry(twips(3360, 750, 2430, 405));
    m_addSoundButton->setAccessibleName(tr("Add Sound"));
    m_addSoundButton->setAccessibleDescription(tr("Copies sound files of your choice into your sounds and lists them"));
    m_mixerButton = new QPushButton(tr("Mi&xer..."), Frame2);
    m_mixerButton->setGeometry(twips(5910, 750, 1640, 405));
    m_mixerButton->setAccessibleName(tr("Mixer"));

    Timer2 = new AppTimer(100, this);
    Timer1 = new AppTimer(1000, this);
    cSysTray1 = new cSysTray(m_services.trayNotifier, this);
    // Kept for the window's make-up; nothing opens a common dialog.
    CommonDialog1 = new QObject(this);

    // Below the client area as designed: out of sight at the window's size.
    Slider2 = makeSlider(this, twips(225, 6840, 5610, 495), 1, 50);
    Slider2->setFocusPolicy(Qt::NoFocus);
    Label2 = new QLabel(tr("Pitch"), this);
    Label2->setGeometry(twips(0, 6720, 435, 225));
    WindowsMediaPlayer1 = new QWidget(this);
    WindowsMediaPlayer1->setGeometry(twips(2640, 7260, 5370, 690));
    // Out of sight is not hidden: a screen reader would still list them as showing.
    for (QWidget *unseen : std::initializer_list<QWidget *>{Slider2, Label2, WindowsMediaPlayer1}) {
        unseen->hide();
    }

    // Tab order follows the layout from top to bottom.
    setTabOrder(PushButton2, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, DTPicker1);
    setTabOrder(DTPicker1, DTPicker2);
    setTabOrder(DTPicker2, Combo1);
    setTabOrder(Combo1, PushButton1);
    setTabOrder(PushButton1, m_addSoundButton);
    setTabOrder(m_addSoundButton, m_mixerButton);
    setTabOrder(m_mixerButton, Slider1);
    setTabOrder(Slider1, Check4);
    setTabOrder(Check4, Check8);

    // Named as designed, so the window's controls can be found by name.
    const std::initializer_list<std::pair<QObject *, const char *>> names{{PushButton2, "PushButton2"},
                                                                          {Frame1, "Frame1"},
                                                                          {DTPicker1, "DTPicker1"},
                                                                          {Option2, "Option2"},
                                                                          {Option1, "Option1"},
                                                                          {DTPicker2, "DTPicker2"},
                                                                          {Label1, "Label1"},
                                                                          {Frame4, "Frame4"},
                                                                          {Check8, "Check8"},
                                                                          {Check4, "Check4"},
                                                                          {Frame3, "Frame3"},
                                                                          {Slider1, "Slider1"},
                                                                          {Frame2, "Frame2"},
                                                                          {Combo1, "Combo1"},
                                                                          {PushButton1, "PushButton1"},
                                                                          {m_addSoundButton, "AddSound"},
                                                                          {m_mixerButton, "Mixer"},
                                                                          {Timer2, "Timer2"},
                                                                          {Timer1, "Timer1"},
                                                                          {cSysTray1, "cSysTray1"},
                                                                          {CommonDialog1, "CommonDialog1"},
                                                                          {Slider2, "Slider2"},
                                                                          {Label2, "Label2"},
                                                                          {WindowsMediaPlayer1, "WindowsMediaPlayer1"}};
    for (const auto &[control, name] : names) {
        control->setObjectName(QLatin1StringView(name));
    }
}

void Form1::connectHandlers() {
    connect(Combo1, &QComboBox::currentIndexChanged, this, untrapped("Combo1_Click", [this] { Combo1_Click(); }));
    connect(Slider1, &QSlider::valueChanged, this, untrapped("Slider1_Change", [this] { Slider1_Change(); }));
    connect(Slider2, &QSlider::valueChanged, this, untrapped("Slider2_Change", [this] { Slider2_Change(); }));
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(Option1, &QRadioButton::toggled, this, untrapped("Option1_Click", [this] {
                if (Option1->isChecked()) {
                    Option1_Click();
                }
            }));
    connect(Option2, &QRadioButton::toggled, this, untrapped("Option2_Click", [this] {
                if (Option2->isChecked()) {
                    Option2_Click();
                }
            }));
    connect(DTPicker1, &QDateTimeEdit::dateTimeChanged, this,
            untrapped("DTPicker1_Change", [this] { DTPicker1_Change(); }));
    connect(DTPicker2, &QDateTimeEdit::dateTimeChanged, this,
            untrapped("DTPicker2_Change", [this] { DTPicker2_Change(); }));
    connect(Timer1, &AppTimer::Timer, this, [this] { Timer1_Timer(); });
    connect(Timer2, &AppTimer::Timer, this, untrapped("Timer2_Timer", [this] { Timer2_Timer(); }));
    connect(Check4, &QCheckBox::toggled, this, untrapped("Check4_Click", [this] { Check4_Click(); }));
    connect(Check8, &QCheckBox::toggled, this, untrapped("Check8_Click", [this] { Check8_Click(); }));
    connect(cSysTray1, &cSysTray::MouseUp, this, &Form1::cSysTray1_MouseUp);
    connect(cSysTray1, &cSysTray::trayAvailableChanged, this, &Form1::trayAvailabilityChanged);
    // A click into a picker writes its value as well, whether it lands on its buttons or in its text, which is a
    // widget of its own.
    for (QDateTimeEdit *picker : {DTPicker1, DTPicker2}) {
        picker->installEventFilter(this);
        for (QWidget *part : picker->findChildren<QWidget *>()) {
            part->installEventFilter(this);
        }
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto holds = [watched](const QDateTimeEdit *picker) {
            const auto *widget = qobject_cast<const QWidget *>(watched);
            return widget != nullptr && (widget == picker || picker->isAncestorOf(widget));
        };
        if (holds(DTPicker1)) {
            untrapped("DTPicker1_Click", [this] { writeDateTime(u"Time From"_s, DTPicker1); })();
        } else if (holds(DTPicker2)) {
            untrapped("DTPicker2_Click", [this] { writeDateTime(u"Time To"_s, DTPicker2); })();
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString Form1::appTitleFor(const QString &productName) {
    QString title = productName;
    do {
        const qsizetype space = title.lastIndexOf(u' ');
        title = space < 0 ? QString() : title.left(space);
    } while (title.size() > 40);
    return title;
}

void Form1::SetAppTitle() {
    // Kept as the program's own value: as Qt's application display name it would be appended to every title bar.
    m_appTitle = appTitleFor(QString::fromLatin1(ProductName));
}

void Form1::RandomHomePageVisit() {
    if (m_services.drawPercent() == 7) {
        m_services.openUrl(QUrl(m_services.homePage));
    }
}

QString Form1::styleFile() const {
    return StyleLibrary::styleFile(m_services.programFolder, styleName());
}

std::chrono::seconds Form1::fadeSetting(const QString &key, std::chrono::seconds fallback) const {
    return Fader::secondsFromSetting(m_services.store.ReadSetting(key, QString::number(fallback.count())), fallback);
}

void Form1::Form_Load() {
    ErrorTrap trap(LoadLocation, m_services.report);
    SettingsStore &store = m_services.store;
    // A window of one second at the moment of a first start would play nothing: a first run proposes a night.
    const QDate today = m_services.clock.now().date();
    const bool firstRun = store.isEmpty();

    trap.step(100, [this] { m_loading = true; });
    trap.step(104, [this] { ApplySkin(this, controlsInOrder(), m_services.skin, m_services.programFolder); });
    const QString handCursor = m_services.programFolder + u"/HAND-M.CUR"_s;
    if (trap.test(106, [&] { return FileExistsByDate(handCursor); })) {
        trap.step(108, [&] {
            QString why;
            if (!m_pointer->loadMouseIcon(handCursor, &why)) {
                throw std::runtime_error(why.toStdString());
            }
        });
    }
    trap.step(110, [this] { RandomHomePageVisit(); });
    trap.step(128, [this] { setWindowTitle(QString::fromLatin1(ProductName)); });
    trap.step(128, [this] { setWindowIcon(m_services.applicationIcon); });
    trap.step(128, [this] { SetAppTitle(); });

    FolderList files;
    trap.step(130, [&] { files = ListFolderFiles(StyleLibrary::soundsFolder(m_services.programFolder), u"*.*"_s); });
    {
        // Adding to a list selects nothing; a combo box would select its first item and raise its handler.
        const QSignalBlocker quiet(Combo1);
        // The generated noises come first, where the program's own loops were, so their stored numbers still hold; a
        // file of one's name plays in its place.
        UserSounds::appendStyles(Combo1, GeneratedNoise::styles());
        for (int i = 1; i <= files.upperBound(); ++i) {
            trap.step(134, [&] {
                if (const QString style = StyleLibrary::styleName(files.at(i)); !GeneratedNoise::sourceOf(style)) {
                    UserSounds::appendStyles(Combo1, {style});
                }
            });
        }
        m_userSounds->appendTo(Combo1);
        Combo1->setCurrentIndex(-1);
    }
    m_userSounds->follow();
    trap.step(138, [&] {
        // The name finds the style again after sounds were added or removed; older settings hold only the number.
        const int named = Combo1->findData(store.ReadSetting(u"Style"_s, QString()));
        ControlValues::setListIndex(
            Combo1, named >= 0 ? named : SettingConversions::toInt16(store.ReadSetting(u"Combo1"_s, 0)));
    });
    trap.step(140, [&] {
        ControlValues::setPosition(Slider1, SettingConversions::toPosition(store.ReadSetting(u"Volume"_s, u"50"_s)));
    });
    if (!trap.step(142, [&] {
            ControlValues::setPosition(Slider2, SettingConversions::toPosition(store.ReadSetting(u"Pitch"_s, u"1"_s)));
        })) {
        // Out of sight, the slider's own 50 would play everything at fifty times its speed: a refused pitch plays
        // at normal speed, and stays stored as it was until the slider moves.
        const QSignalBlocker quiet(Slider2);
        Slider2->setValue(1);
    }
    trap.step(144, [this] { m_services.player.setVolume(Slider1->value()); });
    trap.step(146, [this] { m_services.player.setRate(static_cast<double>(Slider2->value())); });

    trap.step(148, [&] { Check4->setChecked(store.ReadSetting(u"Windows Startup"_s, u"Off"_s) == u"On"_s); });
    trap.step(150, [&] { Check8->setChecked(store.ReadSetting(u"Minimized"_s, u"Off"_s) == u"On"_s); });
    if (trap.test(152, [this] { return Check8->isChecked(); })) {
        trap.step(154, [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    }

    trap.step(156, [this] { cSysTray1->setTrayTip(QString::fromLatin1(ProductName)); });
    trap.step(158, [this] { cSysTray1->setInTray(true); });

    trap.step(160, [&] {
        ControlValues::setDateTime(
            DTPicker1,
            SettingConversions::textToDateTime(store.ReadSetting(
                u"Time From"_s, firstRun ? QDateTime(today, DailyWindow::firstRunStart()) : m_services.clock.now())));
    });
    trap.step(162, [&] {
        ControlValues::setDateTime(DTPicker2, SettingConversions::textToDateTime(store.ReadSetting(
                                                  u"Time To"_s, firstRun ? QDateTime(today, DailyWindow::firstRunEnd())
                                                                         : m_services.clock.now())));
    });
    if (trap.test(164, [&] { return store.ReadSetting(u"Option"_s, u"Infinite"_s) == u"Infinite"_s; })) {
        trap.step(166, [this] { Option1->setChecked(true); });
        trap.step(168, [this] { Option2->setChecked(false); });
        trap.step(170, [this] { Option1_Click(); });
    } else {
        trap.step(172, [this] { Option1->setChecked(false); });
        trap.step(174, [this] { Option2->setChecked(true); });
        trap.step(176, [this] { Option2_Click(); });
    }
    if (trap.test(178, [&] { return store.ReadSetting(u"StartStopState"_s, u"OFF"_s) == u"ON"_s; })) {
        trap.step(180, [this] { setOnOffCaption(TurnOff()); });
        trap.step(182, [this] { Timer1->setEnabled(true); });
    } else {
        trap.step(184, [this] { setOnOffCaption(TurnOn()); });
        trap.step(186, [this] { Timer1->setEnabled(false); });
    }
    trap.step(188, [this] { m_loading = false; });
    checkScheduleNow();
}

void Form1::checkScheduleNow() {
    // A program that is on is heard at once, not at the next tick; the tick keeps its period. A start-up that goes on
    // after its window was closed (from a message box) plays nothing.
    if (Timer1->isEnabled() && !m_unloaded) {
        Timer1_Timer();
    }
}

void Form1::showAfterLoad() {
    if (!(windowState() & Qt::WindowMinimized)) {
        show();
    } else if (cSysTray1->InTray() && cSysTray1->trayAvailable()) {
        // Straight into the tray: the window never flashes up first. Its native window, made minimised at start-up,
        // would keep an iconic start hint on X11 and come up minimised at its first showing: make it anew, normal.
        destroy();
        setWindowState(windowState() & ~Qt::WindowMinimized);
        QTimer::singleShot(0, this, &Form1::hideToTray);
    } else {
        // Without a tray the only way back is the taskbar.
        showMinimized();
    }
}

bool Form1::isTurnedOn() const {
    return PushButton2->text() == TurnOff();
}

void Form1::setOnOffCaption(const QString &caption) {
    PushButton2->setText(caption);
    Q_EMIT turnedOnChanged(isTurnedOn());
}

QString Form1::styleName() const {
    return Combo1->currentData().toString();
}

void Form1::Combo1_Click() {
    // The name first: should the number not follow, the name still restores the new choice.
    m_services.store.WriteSetting(u"Style"_s, styleName());
    m_services.store.WriteSetting(u"Combo1"_s, QString::number(Combo1->currentIndex()));
}

void Form1::Slider1_Change() {
    // Heard at once; a burst of steps (a held key, a turned wheel) is written once it settles.
    m_services.store.writeSettingSoon(u"Volume"_s, QString::number(Slider1->value()));
    m_services.player.setVolume(Slider1->value());
}

void Form1::Slider2_Change() {
    m_services.store.WriteSetting(u"Pitch"_s, QString::number(Slider2->value()));
    m_services.player.setRate(static_cast<double>(Slider2->value()));
}

void Form1::PushButton1_Click() {
    ErrorTrap trap(PushButton1Location, m_services.report);
    Player &player = m_services.player;
    if (trap.test(100, [this] { return PushButton1->text() == PreviewSound(); })) {
        trap.step(102, [this] { PushButton1->setText(StopCaption()); });
        if (!trap.test(104, [this] { return Combo1->currentIndex() >= 0; })) {
            return;
        }
        if (!trap.test(106, [this] {
                // Only an ordinary file counts: not a folder, not a hidden file; or a generated noise.
                const QString file = styleFile();
                const QFileInfo info(file);
                return GeneratedNoise::colourOf(file) || (info.isFile() && !info.isHidden());
            })) {
            return;
        }
        trap.step(108, [this] { Timer1->setEnabled(false); });
        trap.step(110, [this] { Timer2->setEnabled(true); });
        trap.step(112, [&] { player.setLoop(false); });
        // A preview is heard as the file is, without a fade.
        trap.step(114, [&] { player.setUrl(styleFile(), 0ms); });
    } else if (trap.test(116, [this] { return PushButton1->text() == StopCaption(); })) {
        trap.step(118, [this] { PushButton1->setText(PreviewSound()); });
        trap.step(120, [this] { Timer1->setEnabled(false); });
        trap.step(122, [this] { Timer2->setEnabled(false); });
        trap.step(124, [&] { player.stop(); });
        // Stopping a preview while the program is on resumes the on state, unless the window is held silent.
        if (trap.test(126, [this] { return PushButton2->text() == TurnOff(); })) {
            trap.step(128, [&] { player.setLoop(true); });
            trap.step(130, [this] { Timer1->setEnabled(!m_scheduleHeld); });
            checkScheduleNow();
        }
    }
}

void Form1::endPreview() {
    Timer2->setEnabled(false);
    PushButton1->setText(PreviewSound());
}

void Form1::Timer2_Timer() {
    if (m_services.player.playState() == Player::Playing) {
        return;
    }
    // The preview ended by itself: the button offers a new preview, and only a program that is on resumes.
    endPreview();
    if (PushButton2->text() == TurnOff()) {
        m_services.player.setLoop(true);
        Timer1->setEnabled(!m_scheduleHeld);
        checkScheduleNow();
    }
}

void Form1::holdSchedule(bool held) {
    m_scheduleHeld = held;
    Timer1->setEnabled(!held && isTurnedOn());
}

void Form1::PushButton2_Click() {
    ErrorTrap trap(PushButton2Location, m_services.report);
    Player &player = m_services.player;
    SettingsStore &store = m_services.store;
    // Turning on plays the style in place of a preview, turning off stops it: either way the preview is over.
    endPreview();
    if (trap.test(100, [this] { return PushButton2->text() == TurnOn(); })) {
        trap.step(102, [this] { Timer1->setEnabled(true); });
        trap.step(104, [&] { player.setLoop(true); });
        trap.step(106, [this] { setOnOffCaption(TurnOff()); });
        trap.step(108, [&] { store.WriteSetting(u"StartStopState"_s, u"ON"_s); });
        checkScheduleNow();
    } else {
        trap.step(110, [&] { store.WriteSetting(u"StartStopState"_s, u"OFF"_s); });
        trap.step(112, [this] { setOnOffCaption(TurnOn()); });
        trap.step(114, [this] { Timer1->setEnabled(false); });
        trap.step(116, [&] { player.stop(); });
    }
}

void Form1::Option1_Click() {
    m_services.store.WriteSetting(u"Option"_s, u"Infinite"_s);
    m_services.player.setLoop(true);
    Q_EMIT playOptionChosen();
}

void Form1::Option2_Click() {
    if (PushButton2->text() == TurnOff() && !Timer1->isEnabled()) {
        Timer1->setEnabled(true);
    }
    m_services.store.WriteSetting(u"Option"_s, u"Timed"_s);
    m_services.player.setLoop(true);
    Q_EMIT playOptionChosen();
}

void Form1::writeDateTime(const QString &key, const QDateTimeEdit *picker) {
    m_services.store.WriteSetting(key, SettingConversions::dateTimeToText(picker->dateTime()));
}

void Form1::DTPicker1_Change() {
    writeDateTime(u"Time From"_s, DTPicker1);
}

void Form1::DTPicker2_Change() {
    writeDateTime(u"Time To"_s, DTPicker2);
}

void Form1::Timer1_Timer() {
    ErrorTrap trap(Timer1Location, m_services.report);
    Player &player = m_services.player;
    if (trap.test(100, [this] { return Option1->isChecked(); })) {
        trap.step(102, [this] { Timer1->setEnabled(false); });
        trap.step(104, [&] { player.setUrl(styleFile(), fadeSetting(u"Fade In"_s, 2s)); });
    } else if (trap.test(106, [this] { return Option2->isChecked(); })) {
        if (trap.test(108, [this] {
                return DailyWindow::isInside(DTPicker1->dateTime(), DTPicker2->dateTime(), m_services.clock);
            })) {
            if (trap.test(110, [&] { return player.playState() != Player::Playing; })) {
                trap.step(112, [&] { player.setUrl(styleFile(), fadeSetting(u"Fade In"_s, 2s)); });
            }
            // The last seconds of the window fall to silence, which is reached as the window's last second ends.
            trap.step(116, [&] {
                const std::chrono::seconds fadeOut = fadeSetting(u"Fade Out"_s, 30s);
                const std::chrono::milliseconds left =
                    DailyWindow::timeUntilEnd(DTPicker2->dateTime(), m_services.clock);
                if (fadeOut > 0s && left <= fadeOut) {
                    player.fadeOut(left);
                }
            });
        } else {
            trap.step(114, [&] { player.stop(); });
        }
    }
}

void Form1::warnWriteFailed(const QString &reason) {
    // Told once, not at every slider step; a later successful write is not tracked, so this stays quiet.
    if (m_writeFailureShown) {
        return;
    }
    m_writeFailureShown = true;
    m_writeWarning->post(QString::fromLatin1(ProductName),
                         reason + u"\n\n"_s + tr("Your settings will not be kept after the program ends."));
}

QList<QWidget *> Form1::controlsInOrder() const {
    return {PushButton2, Frame1, DTPicker1, Option2, Option1, DTPicker2,   Label1,  Frame4, Check8,
            Check4,      Frame3, Slider1,   Frame2,  Combo1,  PushButton1, Slider2, Label2, WindowsMediaPlayer1};
}

void Form1::connectMouseMoves() {
    auto *mouseMoves = new MouseMoveFilter(this, controlsInOrder());
    const auto pointerBecomes = [this](int pointer) {
        return [this, pointer](const QMouseEvent &) { m_pointer->mouseMovedOver(pointer); };
    };
    // The hand over the two push buttons, the arrow over the window, the frames, the option buttons and the
    // pickers; the list, the sliders, the check boxes and the labels leave the pointer as it is.
    for (QWidget *button : {PushButton1, PushButton2}) {
        mouseMoves->setHandler(button, pointerBecomes(WindowPointer::Custom));
    }
    for (QWidget *surface : std::initializer_list<QWidget *>{this, Frame1, Frame2, Frame3, Frame4, Option1, Option2,
                                                             DTPicker1, DTPicker2}) {
        mouseMoves->setHandler(surface, pointerBecomes(WindowPointer::Default));
    }
}

void Form1::Check4_Click() {
    if (m_loading) {
        return;
    }
    SettingsStore &store = m_services.store;
    if (Check4->isChecked()) {
        const bool check8Visible = Check8->isVisibleTo(this);
        Check8->setVisible(true);
        store.WriteSetting(u"Windows Startup"_s, u"On"_s);
        const RegStuff::Result added = m_services.startUp.RunEntryAdd();
        if (!added.ok()) {
            warnStartUpEntry(added.reason);
            // The program will not start at login: the box must not say it will. Clearing it is no unticking,
            // which would also clear "Start in system tray".
            {
                const QSignalBlocker quiet(Check4);
                Check4->setChecked(false);
            }
            Check8->setVisible(check8Visible);
            store.WriteSetting(u"Windows Startup"_s, u"Off"_s);
        }
    } else {
        Check8->setChecked(false);
        Check8->setVisible(false);
        store.WriteSetting(u"Windows Startup"_s, u"Off"_s);
        const RegStuff::Result removed = m_services.startUp.RunEntryRemove();
        if (!removed.ok()) {
            warnStartUpEntry(removed.reason);
        }
    }
}

void Form1::Check8_Click() {
    m_services.store.WriteSetting(u"Minimized"_s, Check8->isChecked() ? u"On"_s : u"Off"_s);
}

void Form1::warnStartUpEntry(const QString &reason) {
    m_services.notifier.showWarning(QString::fromLatin1(ProductName),
                                    tr("The program cannot be set to start at login.") + u"\n\n"_s + reason);
}

void Form1::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // Hiding a window from inside its own state change confuses some window managers: do it right after.
        QMetaObject::invokeMethod(this, &Form1::Form_Resize, Qt::QueuedConnection);
    }
}

void Form1::Form_Resize() {
    if (!(windowState() & Qt::WindowMinimized) || m_minimizedToTray || m_unloaded) {
        return;
    }
    // Without a notification area the window stays minimised in the taskbar, the only way back there is.
    if (!cSysTray1->InTray() || !cSysTray1->trayAvailable()) {
        return;
    }
    hideToTray();
}

void Form1::hideToTray() {
    // The window stays minimised while hidden: on X11 leaving that state maps the window again. The restore
    // from the tray brings it back in the normal state.
    hide();
    m_minimizedToTray = true;
    cSysTray1->watchTrayAvailability(true);
    cSysTray1->ShowBalloon(tr(MinimizedBalloon), QString::fromLatin1(ProductName), 5, true);
}

void Form1::cSysTray1_MouseUp(int Button, int Id) {
    Q_UNUSED(Id);
    // The right button opens the tray's menu, whose "Show" item restores the window.
    if (Button == 2) {
        Q_EMIT trayMenuRequested();
        return;
    }
    showWindow({});
}

void Form1::showWindow(const QString &activationToken) {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    if (m_services.activation != nullptr) {
        m_services.activation->bringForward(*this, activationToken);
    } else {
        show();
        raise();
        activateWindow();
    }
    m_minimizedToTray = false;
    cSysTray1->watchTrayAvailability(false);
}

void Form1::trayAvailabilityChanged(bool available) {
    // A tray that goes away must not take the hidden window with it.
    if (!available && m_minimizedToTray) {
        cSysTray1_MouseUp(0, 0);
    }
}

void Form1::closeEvent(QCloseEvent *event) {
    if (!m_unloaded) {
        Form_QueryUnload();
        event->accept();
        Form_Unload();
    }
}

void Form1::Form_QueryUnload() {
    ErrorTrap trap(QueryUnloadLocation, m_services.report);
    trap.step(100, [] {});
    trap.step(102, [this] { cSysTray1->setInTray(false); });
    trap.step(104, [] { QCoreApplication::processEvents(); });
    trap.step(106, [] { QCoreApplication::processEvents(); });
}

void Form1::Form_Unload() {
    // No handler runs after this: the timers stop, and the program ends once the sound has fallen silent.
    m_unloaded = true;
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Q_EMIT unloaded();
}
