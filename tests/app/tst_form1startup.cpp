#include "form1rig.h"

#include "apptimer.h"
#include "mix.h"

#include "settingconversions.h"
#include "translations.h"

#include <QApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QScopeGuard>
#include <QTest>

#include <ctime>

using namespace Qt::StringLiterals;

using Settings = QMap<QString, QString>;

class TestForm1StartUp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRun_restoresEveryDefault() {
        Form1Rig rig;
        rig.clock.current = QDateTime(QDate(2026, 12, 7), QTime(21, 15, 30));
        Form1 *form = rig.load();

        QCOMPARE(form->windowTitle(), u"Somnivox Noise Player"_s);
        QCOMPARE(form->appTitle(), u"Somnivox Noise"_s);
        // Qt appends a display name to every title bar on X11: none is set.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QCOMPARE(rig.styles()->currentIndex(), 0);
        QCOMPARE(rig.child<QSlider>("Slider1")->value(), 50);
        QCOMPARE(rig.child<QSlider>("Slider2")->value(), 1);
        QCOMPARE(rig.player.volume, 50);
        QCOMPARE(rig.player.rate, 1.0);
        QVERIFY(!rig.child<QCheckBox>("Check4")->isChecked());
        QVERIFY(!rig.child<QCheckBox>("Check8")->isChecked());
        // A first run proposes a night.
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker1")->dateTime(), QDateTime(QDate(2026, 12, 7), QTime(22, 0)));
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker2")->dateTime(), QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
        QVERIFY(rig.child<QRadioButton>("Option1")->isChecked());
        QVERIFY(!rig.child<QRadioButton>("Option2")->isChecked());
        QCOMPARE(rig.onOff()->text(), u"Turn On"_s);
        QCOMPARE(rig.preview()->text(), u"Preview Sound"_s);
        QVERIFY(!form->timer1()->isEnabled());
        QVERIFY(!form->timer2()->isEnabled());
        QVERIFY(!form->isLoading());
        QVERIFY(!(form->windowState() & Qt::WindowMinimized));
        QVERIFY(rig.notifier.texts.isEmpty());
        QVERIFY(rig.player.url.isEmpty());

        // Restoring writes back what changed a control, and nothing else.
        QCOMPARE(rig.stored(u"Combo1"_s), u"0"_s);
        QCOMPARE(rig.stored(u"Style"_s), u"Brown Noise"_s);
        QCOMPARE(rig.stored(u"Pitch"_s), u"1"_s);
        QCOMPARE(rig.stored(u"Option"_s), u"Infinite"_s);
        QCOMPARE(rig.stored(u"Volume"_s), u"<absent>"_s);
        QCOMPARE(rig.stored(u"StartStopState"_s), u"<absent>"_s);
        QCOMPARE(rig.stored(u"Windows Startup"_s), u"<absent>"_s);
        QVERIFY(rig.stored(u"Time From"_s).contains(u"22:00:00"_s));
    }

    // Only a first run proposes a night: settings without the times keep the start-up time as before.
    void laterRun_withoutTimes_keepsTheStartUpTime() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Volume"_s, u"30"_s}});
        rig.clock.current = QDateTime(QDate(2026, 12, 7), QTime(21, 15, 30));
        rig.load();
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker1")->dateTime(), rig.clock.current);
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker2")->dateTime(), rig.clock.current);
    }

    void appTitle_cutsAtLeastOneWord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("product") << u"Somnivox Noise Player"_s << u"Somnivox Noise"_s;
        QTest::newRow("long") << u"Alpha Beta Gamma Delta Epsilon Zeta Eta Theta"_s
                              << u"Alpha Beta Gamma Delta Epsilon Zeta Eta"_s;
        QTest::newRow("one word") << u"Somnivox"_s << QString();
    }
    void appTitle_cutsAtLeastOneWord() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(Form1::appTitleFor(name), title);
    }

    void styles_keepTheListingOrderAndRemoveLowerCaseMp3() {
        Form1Rig rig({u"Rain.mp3"_s, u"Fan.MP3"_s, u"notes.txt"_s, u"Rain.mp3.mp3"_s});
        rig.load();
        QStringList items;
        for (int i = 0; i < rig.styles()->count(); ++i) {
            items << rig.styles()->itemText(i);
        }
        QCOMPARE(items, (QStringList{u"Brown Noise"_s, u"Pink Noise"_s, u"White Noise"_s, u"Fan.MP3"_s, u"notes.txt"_s,
                                     u"Rain"_s, u"Rain"_s}));
    }

    // Installed, the program's folder belongs to root: a user adds sounds to a folder of their own.
    void styles_listTheUsersOwnSoundsAfterTheProgramsOnce_andPlayTheUsersFile() {
        Form1Rig rig({u"Rain.mp3"_s, u"White Noise.mp3"_s});
        const QString users = rig.dir.filePath(u"data/somnivox/sounds"_s);
        QVERIFY(QDir().mkpath(users));
        for (const QString &name : {u"Creek.flac"_s, u"rain.mp3"_s, u"White Noise.mp3"_s}) {
            QFile file(users + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // A mix saved before the start is listed from the start, after the sounds.
        const Mix night{{{u"Rain"_s, 50}}};
        QString why;
        QVERIFY(night.write(Mix::fileOf(Mix::folder(), u"Night"_s), u"Night"_s, {}, &why));
        rig.load();
        QStringList items;
        for (int i = 0; i < rig.styles()->count(); ++i) {
            items << rig.styles()->itemText(i);
        }
        QCOMPARE(items, (QStringList{u"Brown Noise"_s, u"Pink Noise"_s, u"White Noise"_s, u"Rain"_s, u"Creek.flac"_s,
                                     u"rain"_s, u"Night"_s}));
        rig.styles()->setCurrentIndex(2);
        rig.preview()->click();
        QCOMPARE(rig.player.url, users + u"/White Noise.mp3"_s);
        rig.preview()->click();
        rig.styles()->setCurrentIndex(4);
        rig.preview()->click();
        QCOMPARE(rig.player.url, users + u"/Creek.flac"_s);
    }

    // A file dropped on the window is copied and chosen; files put into or taken from the folder by other means are
    // listed and unlisted, the choice following its name.
    void usersSounds_droppedOrPutThere_areListedAndTheChoiceKeptByName() {
        Form1Rig rig;
        Form1 *form = rig.load();
        const QString users = rig.dir.filePath(u"data/somnivox/sounds"_s);
        QFile dropped(rig.dir.filePath(u"Sea.mp3"_s));
        QVERIFY(dropped.open(QIODevice::WriteOnly) && dropped.write("sea") == 3);
        dropped.close();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dropped.fileName())});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form, &drop);
        QTRY_COMPARE(rig.styles()->currentText(), u"Sea"_s);
        QVERIFY(QFileInfo(users + u"/Sea.mp3"_s).isFile());
        QCOMPARE(rig.stored(u"Combo1"_s), u"3"_s);

        QFile rain(users + u"/Rain.mp3"_s);
        QVERIFY(rain.open(QIODevice::WriteOnly));
        rain.close();
        QTRY_COMPARE(rig.styles()->count(), 5);
        QCOMPARE(rig.styles()->itemText(3), u"Rain"_s);
        QCOMPARE(rig.styles()->currentText(), u"Sea"_s);
        QCOMPARE(rig.stored(u"Combo1"_s), u"4"_s);

        QVERIFY(QFile::remove(users + u"/Sea.mp3"_s));
        QTRY_COMPARE(rig.styles()->count(), 4);
        QCOMPARE(rig.styles()->currentText(), u"Rain"_s);
        QCOMPARE(rig.stored(u"Style"_s), u"Rain"_s);
        QTRY_COMPARE(rig.notifier.texts.size(), 1);
        QVERIFY(rig.notifier.texts.constFirst().contains(u"\"Sea\""_s));
        QVERIFY(rig.notifier.texts.constFirst().contains(u"\"Rain\""_s));
    }

    void restore_badStoredValuesAreReportedAndStartUpGoesOn_data() {
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("pitch");
        // Single bad values, key by key, are in tst_form1badsettings.
        QTest::newRow("style by name after a sound was added")
            << Form1Rig::defaultSounds() + QStringList{u"Aardvark.mp3"_s}
            << Settings{{u"Combo1"_s, u"1"_s}, {u"Style"_s, u"Aardvark"_s}} << QList<int>{} << 3 << 50 << 1;
        QTest::newRow("empty sounds folder") << QStringList{} << Settings{} << QList<int>{} << 0 << 50 << 1;
        QTest::newRow("two failures") << Form1Rig::defaultSounds()
                                      << Settings{{u"Combo1"_s, u"x"_s}, {u"Volume"_s, u""_s}} << QList<int>{138, 140}
                                      << -1 << 50 << 1;
    }
    void restore_badStoredValuesAreReportedAndStartUpGoesOn() {
        QFETCH(QStringList, sounds);
        QFETCH(Settings, settings);
        QFETCH(QList<int>, lines);
        QFETCH(int, index);
        QFETCH(int, volume);
        QFETCH(int, pitch);
        Form1Rig rig(sounds, settings);
        Form1 *form = rig.load();
        QCOMPARE(rig.reportedLines(), lines);
        for (const QString &text : std::as_const(rig.notifier.texts)) {
            QVERIFY(text.contains(u"\r\nin Somnivox2021/08/31.Form1.Form_Load at line "_s));
        }
        QCOMPARE(rig.styles()->currentIndex(), index);
        QCOMPARE(rig.child<QSlider>("Slider1")->value(), volume);
        QCOMPARE(rig.child<QSlider>("Slider2")->value(), pitch);
        // The player always gets what the sliders show.
        QCOMPARE(rig.player.volume, volume);
        QCOMPARE(rig.player.rate, static_cast<double>(pitch));
        // Start-up went on to its end.
        QVERIFY(!form->isLoading());
        QVERIFY(rig.child<QRadioButton>("Option1")->isChecked());
    }

    void restore_badTimeLeavesThePickerAtMidnight() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Time From"_s, u"not a time"_s}});
        rig.load();
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker1")->time(), QTime(0, 0));
        QCOMPARE(rig.stored(u"Time From"_s), u"not a time"_s);
    }

    void restore_timeTheClockSkips_keepsItsTimeOfDay() {
        const QByteArray zone = qgetenv("TZ");
        const auto restoreZone = qScopeGuard([&zone] {
            zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
            tzset();
        });
        // Berlin's clocks go from 02:00 to 03:00 on 29 March 2026.
        qputenv("TZ", "Europe/Berlin");
        tzset();
        const QLocale locale = QLocale::system();
        const QString skipped = locale.toString(QDate(2026, 3, 29), SettingConversions::dateFormat(locale)) + u' ' +
                                locale.toString(QTime(2, 30), SettingConversions::timeFormat(locale));
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Time From"_s, skipped}});
        rig.load();
        QVERIFY(rig.notifier.texts.isEmpty());
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker1")->time(), QTime(2, 30));
    }

    void restore_storedTimesReadBack() {
        Form1Rig first;
        first.load();
        auto *picker = first.child<QDateTimeEdit>("DTPicker2");
        picker->setDateTime(QDateTime(QDate(2026, 12, 1), QTime(6, 30, 15)));

        Form1Rig second(Form1Rig::defaultSounds(), {{u"Time To"_s, first.stored(u"Time To"_s)}});
        second.load();
        QCOMPARE(second.child<QDateTimeEdit>("DTPicker2")->dateTime(), QDateTime(QDate(2026, 12, 1), QTime(6, 30, 15)));
        QVERIFY(second.notifier.texts.isEmpty());
    }

    void onOffWords_areCaseSensitive_data() {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<bool>("check4");
        QTest::addColumn<bool>("check8");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("infinite");
        QTest::newRow("lower-case on") << Settings{{u"Windows Startup"_s, u"on"_s}, {u"Minimized"_s, u"on"_s}} << false
                                       << false << false << true;
        QTest::newRow("upper-case ON") << Settings{{u"Windows Startup"_s, u"ON"_s}} << false << false << false << true;
        QTest::newRow("startup On") << Settings{{u"Windows Startup"_s, u"On"_s}} << true << false << false << true;
        QTest::newRow("state On counts as off")
            << Settings{{u"StartStopState"_s, u"On"_s}} << false << false << false << true;
        QTest::newRow("state ON") << Settings{{u"StartStopState"_s, u"ON"_s}} << false << false << true << true;
        QTest::newRow("state ON, timed") << Settings{{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}} << false
                                         << false << true << false;
        QTest::newRow("option Timed") << Settings{{u"Option"_s, u"Timed"_s}} << false << false << false << false;
        QTest::newRow("option empty") << Settings{{u"Option"_s, QString()}} << false << false << false << false;
        QTest::newRow("option infinite lower")
            << Settings{{u"Option"_s, u"infinite"_s}} << false << false << false << false;
    }
    void onOffWords_areCaseSensitive() {
        QFETCH(Settings, settings);
        QFETCH(bool, check4);
        QFETCH(bool, check8);
        QFETCH(bool, on);
        QFETCH(bool, infinite);
        Form1Rig rig(Form1Rig::defaultSounds(), settings);
        Form1 *form = rig.load();
        QCOMPARE(rig.child<QCheckBox>("Check4")->isChecked(), check4);
        QCOMPARE(rig.child<QCheckBox>("Check8")->isChecked(), check8);
        QCOMPARE(rig.onOff()->text(), on ? u"Turn Off"_s : u"Turn On"_s);
        // Only the timed schedule keeps ticking once the sound has started.
        QCOMPARE(form->timer1()->isEnabled(), on && !infinite);
        QCOMPARE(rig.child<QRadioButton>("Option1")->isChecked(), infinite);
        QCOMPARE(rig.child<QRadioButton>("Option2")->isChecked(), !infinite);
        QCOMPARE(rig.stored(u"Option"_s), infinite ? u"Infinite"_s : u"Timed"_s);
        // A program that is on plays at once (the stored window is the moment of the first start); start-up writes
        // no on/off state.
        QCOMPARE(rig.player.state == Player::Playing, on);
        QCOMPARE(rig.stored(u"StartStopState"_s), settings.value(u"StartStopState"_s, u"<absent>"_s));
        QVERIFY(rig.notifier.texts.isEmpty());
    }

    void homePage_opensAtOneDrawInAHundred() {
        Form1Rig seven;
        seven.draw = 7;
        seven.load();
        QCOMPARE(seven.opened.size(), 1);
        QVERIFY(seven.opened.at(0).isValid());

        Form1Rig other;
        other.draw = 8;
        other.load();
        QVERIFY(other.opened.isEmpty());
    }

    void layout_placesTheControlsAsDesigned() {
        Form1Rig rig;
        Form1 *form = rig.load();
        QCOMPARE(form->size(), QSize(536, 396));
        QCOMPARE(form->font().family(), u"Arial"_s);
        QCOMPARE(rig.onOff()->geometry(), QRect(8, 8, 520, 27));
        QCOMPARE(rig.child<QWidget>("Frame2")->geometry(), QRect(8, 162, 520, 89));
        // "Add Sound..." and "Mixer..." share the preview's row, ending where the row did (their captions fit in every
        // language: see below).
        QCOMPARE(rig.preview()->geometry(), QRect(16, 50, 200, 27));
        QCOMPARE(rig.child<QWidget>("AddSound")->geometry(), QRect(224, 50, 162, 27));
        QCOMPARE(rig.child<QWidget>("Mixer")->geometry(), QRect(394, 50, 109, 27));
        // The pitch slider, its label and the player's place stand below the client area.
        QVERIFY(rig.child<QWidget>("Slider2")->geometry().top() >= form->height());
        QVERIFY(rig.child<QWidget>("Label2")->geometry().top() >= form->height());
        QVERIFY(rig.child<QWidget>("WindowsMediaPlayer1")->geometry().top() >= form->height());
        QCOMPARE(form->timer1()->interval(), 1000);
        QCOMPARE(form->timer2()->interval(), 100);
        auto *volume = rig.child<QSlider>("Slider1");
        QCOMPARE(volume->minimum(), 1);
        QCOMPARE(volume->maximum(), 100);
        QCOMPARE(volume->pageStep(), 5);
        QCOMPARE(rig.child<QSlider>("Slider2")->maximum(), 50);
    }

    void layout_fitsEveryCaptionInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << u"C"_s;
        for (const QString &language : Translations::available()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void layout_fitsEveryCaptionInEveryLanguage() {
        QFETCH(QString, language);
        const auto leftToRight = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        const Translations translations{QLocale(language)};
        Form1Rig rig;
        Form1 *form = rig.load();
        QStringList cut;
        for (QWidget *control : form->findChildren<QWidget *>()) {
            // The pitch slider's label stands below the window, out of sight; the mixer lays itself out.
            if (control->window() != form ||
                !form->rect().contains(control->mapTo(form, control->rect().bottomRight()))) {
                continue;
            }
            QString caption;
            int needed = 0;
            if (const auto *button = qobject_cast<QAbstractButton *>(control)) {
                caption = button->text();
                needed = button->sizeHint().width();
            } else if (const auto *label = qobject_cast<QLabel *>(control)) {
                caption = label->text();
                needed = label->sizeHint().width();
            } else if (const auto *frame = qobject_cast<QGroupBox *>(control)) {
                caption = frame->title();
                needed = frame->minimumSizeHint().width();
            }
            if (needed > control->contentsRect().width()) {
                cut << u"%1 \"%2\" needs %3 pixels, has %4"_s.arg(control->objectName(), caption)
                           .arg(needed)
                           .arg(control->contentsRect().width());
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"; "_s)));
        // Right to left, the window reads from the right: what stood on the left of a row stands on its right.
        if (form->isRightToLeft()) {
            const QWidget *row = rig.child<QWidget>("Frame2");
            QCOMPARE(rig.preview()->geometry(), QRect(row->width() - 16 - 200, 50, 200, 27));
            QCOMPARE(rig.child<QWidget>("AddSound")->x(), row->width() - 224 - 162);
        }
    }
};

QTEST_MAIN(TestForm1StartUp)
#include "tst_form1startup.moc"
