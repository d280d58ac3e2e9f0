#include "form1rig.h"

#include "apptimer.h"
#include "settingconversions.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Section = "[Somnivox%20Noise%20Player]\n";

// Every other key holds a value that restores without a report, so only the key under test can fail.
const QList<std::pair<QByteArray, QByteArray>> GoodLines{
    {"Combo1", "1"},     {"Volume", "30"},       {"Pitch", "2"},          {"Windows%20Startup", "On"},
    {"Minimized", "On"}, {"Option", "Infinite"}, {"StartStopState", "ON"}};

QByteArray fileWith(const QByteArray &key, const QByteArray &value) {
    QByteArray text = Section;
    for (const auto &[goodKey, goodValue] : GoodLines) {
        if (goodKey != key) {
            text += goodKey + '=' + goodValue + '\n';
        }
    }
    return text + key + '=' + value + '\n';
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray otherLocaleDateTime() {
    const QDateTime value(QDate(2026, 12, 7), QTime(21, 15, 30));
    // A format the system locale does not write, so the text cannot read back under it.
    for (const QLocale &other : {QLocale(u"de_DE"_s), QLocale(u"en_US"_s)}) {
        if (SettingConversions::dateTimeFormat(other) != SettingConversions::dateTimeFormat(QLocale::system())) {
            return SettingConversions::dateTimeToText(value, other).toUtf8();
        }
    }
    return {};
}

/// Makes every file write beyond a few bytes fail for as long as it lives, whoever runs the test (root included).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

class TestForm1BadSettings : public QObject {
    Q_OBJECT

private:
    static void changeEveryControl(Form1Rig &rig) {
        for (int value : {10, 11, 12, 13}) {
            rig.child<QSlider>("Slider1")->setValue(value);
        }
        rig.child<QSlider>("Slider2")->setValue(7);
        rig.styles()->setCurrentIndex(2);
        rig.child<QCheckBox>("Check8")->setChecked(true);
        rig.child<QRadioButton>("Option1")->setChecked(true);
        rig.child<QDateTimeEdit>("DTPicker1")->setDateTime(QDateTime(QDate(2026, 12, 8), QTime(23, 0)));
        rig.onOff()->click();
        rig.onOff()->click();
    }

    // A point on the slider's groove near its maximum, where the style draws it.
    static QPoint grooveEnd(QSlider *slider) {
        struct Options : QSlider {
            using QSlider::initStyleOption;
        };
        QStyleOptionSlider option;
        (slider->*(&Options::initStyleOption))(&option);
        const QRect groove =
            slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
        return {groove.right() - 2, groove.center().y()};
    }

    static int writeWarnings(const Form1Rig &rig) {
        return static_cast<int>(rig.notifier.texts.filter(u"could not be saved"_s).size());
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void restore_garbageInOneKey_isReportedOnItsLineAndStartUpEnds_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QList<int>>("lines");

        const QByteArray huge(1 << 20, 'x');
        const QByteArray hugeNumber(1 << 20, '9');
        const QByteArray variant = "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)";
        const QByteArray byteArray = "@ByteArray(\\0\\xff\\x1)";
        const QByteArray brokenVariant = "@Variant(\\0\\0";
        const QByteArray binary("\x01\xff\xfe\x00\x80", 5);
        const QByteArray otherDate = otherLocaleDateTime();

        const auto rows = [&](const QByteArray &key, int line, const QList<QByteArray> &failing) {
            for (const QByteArray &value : failing) {
                QTest::addRow("%s=%s", key.constData(), value.left(24).toPercentEncoding().constData())
                    << key << value << QList<int>{line};
            }
        };
        rows("Combo1", 138,
             {"abc", "", huge, hugeNumber, variant, byteArray, brokenVariant, binary, "1, 2", "\"1,2\"", "3", "-1",
              "32768", "1e400", "nan", "inf", otherDate});
        rows(
            "Volume", 140,
            {"abc", "", huge, hugeNumber, variant, byteArray, brokenVariant, binary, "0", "101", "-5", "1e400", "nan"});
        rows("Pitch", 142, {"abc", "", huge, variant, byteArray, binary, "0", "51", "-1", "1e10"});
        // A time written under another locale reads (see SettingConversions); one that is no time does not.
        rows("Time%20From", 160,
             {"abc", "", huge, hugeNumber, variant, byteArray, brokenVariant, binary, "1, 2", "99/99/9999 99:99:99"});
        rows("Time%20To", 162, {"abc", "", huge, hugeNumber, variant, byteArray, binary, "31.02.2026 25:61:61"});
        for (const char *key : {"Windows%20Startup", "Minimized", "Option", "StartStopState"}) {
            rows(key, 0, {"abc", "", huge, variant, byteArray, brokenVariant, binary, "On, Off", "on", "\"ON \"", "1"});
        }
    }
    void restore_garbageInOneKey_isReportedOnItsLineAndStartUpEnds() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QList<int>, lines);
        if (lines == QList<int>{0}) {
            lines.clear();
        }
        Form1Rig rig;
        QVERIFY(writeFile(rig.settingsFile(), fileWith(key, value)));
        const QVariant storedBefore = QSettings(rig.settingsFile(), QSettings::IniFormat).value(key);
        rig.store = std::make_unique<SettingsStore>(rig.settingsFile());
        Form1 *form = rig.load();

        QCOMPARE(rig.reportedLines(), lines);
        QVERIFY(!form->isLoading());
        // The on/off keys read anything unexpected as their negative case.
        QCOMPARE(rig.child<QCheckBox>("Check4")->isChecked(), key != "Windows%20Startup");
        QCOMPARE(rig.child<QCheckBox>("Check8")->isChecked(), key != "Minimized");
        const bool timed = key == "Option";
        QCOMPARE(rig.child<QRadioButton>("Option2")->isChecked(), timed);
        QCOMPARE(rig.child<QRadioButton>("Option1")->isChecked(), !timed);
        const bool on = key != "StartStopState";
        QCOMPARE(rig.onOff()->text(), on ? u"Turn Off"_s : u"Turn On"_s);
        // A program that is on plays at once; only the timed schedule keeps ticking afterwards.
        QCOMPARE(form->timer1()->isEnabled(), on && timed);
        // A control whose value failed keeps its previous state; the others hold what was stored.
        QCOMPARE(rig.styles()->currentIndex(), key == "Combo1" ? -1 : 1);
        QCOMPARE(rig.child<QSlider>("Slider1")->value(), key == "Volume" ? 50 : 30);
        // The hidden pitch slider plays a refused value at normal speed.
        QCOMPARE(rig.child<QSlider>("Slider2")->value(), key == "Pitch" ? 1 : 2);
        // The player always gets what the sliders show.
        QCOMPARE(rig.player.volume, rig.child<QSlider>("Slider1")->value());
        QCOMPARE(rig.player.rate, double(rig.child<QSlider>("Slider2")->value()));
        if (key.startsWith("Time")) {
            auto *picker = rig.child<QDateTimeEdit>(key == "Time%20From" ? "DTPicker1" : "DTPicker2");
            QCOMPARE(picker->time(), QTime(0, 0));
        }
        // A value that failed is left as it was until the user changes the control.
        if (!lines.isEmpty()) {
            QCOMPARE(QSettings(rig.settingsFile(), QSettings::IniFormat).value(key), storedBefore);
        }
    }

    void restore_valuesThatStillRead_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("restored");
        // The leading number is all that counts, whatever follows it.
        QTest::newRow("volume list") << QByteArray("Volume") << QByteArray("60, 70") << 60;
        QTest::newRow("volume dotted date") << QByteArray("Volume") << QByteArray("07.12.2026") << 7;
        QTest::newRow("volume quoted") << QByteArray("Volume") << QByteArray("\"45\"") << 45;
        QTest::newRow("volume blanks") << QByteArray("Volume") << QByteArray("\"  80  \"") << 80;
        QTest::newRow("pitch exponent") << QByteArray("Pitch") << QByteArray("2.5e1") << 25;
        QTest::newRow("pitch huge tail") << QByteArray("Pitch") << QByteArray("3") + QByteArray(1 << 20, 'x') << 3;
        QTest::newRow("style padded") << QByteArray("Combo1") << QByteArray("\" 2 \"") << 2;
        // Halves round to even.
        QTest::newRow("style 1.5") << QByteArray("Combo1") << QByteArray("1.5") << 2;
        QTest::newRow("volume 50.5") << QByteArray("Volume") << QByteArray("50.5") << 50;
        QTest::newRow("volume 51.5") << QByteArray("Volume") << QByteArray("51.5") << 52;
        QTest::newRow("volume 75 dB") << QByteArray("Volume") << QByteArray("75 dB") << 75;
    }
    void restore_valuesThatStillRead() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(int, restored);
        Form1Rig rig;
        QVERIFY(writeFile(rig.settingsFile(), fileWith(key, value)));
        rig.store = std::make_unique<SettingsStore>(rig.settingsFile());
        rig.load();
        QVERIFY(rig.notifier.texts.isEmpty());
        if (key == "Combo1") {
            QCOMPARE(rig.styles()->currentIndex(), restored);
        } else {
            QCOMPARE(rig.child<QSlider>(key == "Volume" ? "Slider1" : "Slider2")->value(), restored);
        }
    }

    void restore_damagedFile_startsUpAndReportsOnlyValueLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = fileWith("Combo1", "2");
        QTest::newRow("cut inside a value") << whole.left(whole.indexOf("Infinite") + 3);
        QTest::newRow("cut inside a key") << whole.left(whole.indexOf("StartStop") + 5);
        QTest::newRow("cut inside the section") << whole.left(10);
        QTest::newRow("cut inside an escape") << Section + "Option=@Variant(\\0\\0\\0\\x";
        QTest::newRow("no section") << QByteArray("Combo1=2\nOption=Timed\n");
        QTest::newRow("unclosed section") << QByteArray("[Somnivox%20Noise\nCombo1=2\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only newlines") << QByteArray(4096, '\n');
        QTest::newRow("nul bytes") << QByteArray(4096, '\0');
        QByteArray noise(256 * 1024, '\0');
        QRandomGenerator random(20261207);
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("binary noise") << noise;
        QTest::newRow("section then noise") << Section + noise;
        QTest::newRow("utf-16 text") << QByteArray("\xff\xfe[\0S\0]\0\n\0", 10);
    }
    void restore_damagedFile_startsUpAndReportsOnlyValueLines() {
        QFETCH(QByteArray, bytes);
        Form1Rig rig;
        QVERIFY(writeFile(rig.settingsFile(), bytes));
        rig.store = std::make_unique<SettingsStore>(rig.settingsFile());
        Form1 *form = rig.load();

        QVERIFY(!form->isLoading());
        for (int line : rig.reportedLines()) {
            QVERIFY2(QList<int>({138, 140, 142, 160, 162}).contains(line), qPrintable(QString::number(line)));
        }
        QCOMPARE(rig.notifier.texts.size(), rig.reportedLines().size());
        // Whatever the file held, the controls agree with what it reads as.
        const bool timed = rig.stored(u"Option"_s) != u"Infinite"_s;
        QCOMPARE(rig.child<QRadioButton>("Option2")->isChecked(), timed);
        QCOMPARE(form->timer1()->isEnabled(), rig.stored(u"StartStopState"_s) == u"ON"_s);
    }

    void restore_truncatedFile_keepsTheLinesBeforeTheCut() {
        const QByteArray whole = fileWith("Combo1", "2");
        Form1Rig rig;
        QVERIFY(writeFile(rig.settingsFile(), whole.left(whole.indexOf("Infinite") + 3)));
        rig.store = std::make_unique<SettingsStore>(rig.settingsFile());
        rig.load();
        QVERIFY(rig.notifier.texts.isEmpty());
        // The style was written last and is lost with the cut: it reads as the default.
        QCOMPARE(rig.styles()->currentIndex(), 0);
        QCOMPARE(rig.child<QSlider>("Slider1")->value(), 30);
        QVERIFY(rig.child<QCheckBox>("Check4")->isChecked());
        // "Inf" is not "Infinite"; the state after the cut is missing and reads as off.
        QVERIFY(rig.child<QRadioButton>("Option2")->isChecked());
        QCOMPARE(rig.onOff()->text(), u"Turn On"_s);
    }

    void write_failure_isToldOnceAndKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("folder in the file's place") << u"folder"_s;
        QTest::newRow("file in the config folder's place") << u"file"_s;
        QTest::newRow("disk refuses to grow a file") << u"limit"_s;
    }
    void write_failure_isToldOnceAndKeepsThePreviousFile() {
        QFETCH(QString, how);
        Form1Rig rig;
        const QString file = rig.settingsFile();
        const QString configFolder = QFileInfo(file).path();
        QString kept;
        if (how == u"folder"_s) {
            QVERIFY(QDir().mkpath(file));
            kept = file + u"/inside"_s;
            QVERIFY(writeFile(kept, "left alone"));
        } else if (how == u"file"_s) {
            QDir(configFolder).removeRecursively();
            kept = configFolder;
            QVERIFY(writeFile(kept, "left alone"));
        } else {
            QVERIFY(writeFile(file, fileWith("Volume", "30")));
            kept = file;
        }
        const QByteArray before = readFile(kept);
        rig.store = std::make_unique<SettingsStore>(file);

        std::optional<FileSizeLimit> limit;
        if (how == u"limit"_s) {
            limit.emplace(16);
        }
        Form1 *form = rig.load();
        changeEveryControl(rig);
        // The volume waits to settle before it is written: written now, while the disk still refuses.
        rig.store->flush();
        limit.reset();

        QVERIFY(!form->isLoading());
        QTRY_COMPARE(rig.notifier.texts.size(), 1);
        QCOMPARE(writeWarnings(rig), 1);
        QVERIFY(rig.notifier.texts.at(0).contains(u"will not be kept"_s));
        QCOMPARE(readFile(kept), before);
        // The window itself still shows the user's choices for this run.
        QCOMPARE(rig.child<QSlider>("Slider1")->value(), 13);
        QCOMPARE(rig.player.volume, 13);
        QVERIFY(rig.child<QRadioButton>("Option1")->isChecked());
        QVERIFY(rig.child<QCheckBox>("Check8")->isChecked());
        // No temporary file is left behind beside the settings.
        if (how == u"limit"_s) {
            QCOMPARE(QDir(configFolder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Vantrelle.ini"_s});
        }
    }

    void write_failure_quietAtAStartUpThatChangesNothing_toldAfterAGrooveClickOfOnePageStep() {
        Form1Rig rig;
        const QDate yesterday = QDate::currentDate().addDays(-1);
        for (const auto &[key, value] : std::initializer_list<std::pair<QString, QString>>{
                 {u"Combo1"_s, u"0"_s},
                 {u"Style"_s, u"Brown Noise"_s},
                 {u"Volume"_s, u"30"_s},
                 {u"Pitch"_s, u"1"_s},
                 {u"Windows Startup"_s, u"Off"_s},
                 {u"Minimized"_s, u"Off"_s},
                 {u"Time From"_s, SettingConversions::dateTimeToText(QDateTime(yesterday, QTime(22, 0)))},
                 {u"Time To"_s, SettingConversions::dateTimeToText(QDateTime(yesterday, QTime(6, 30)))},
                 {u"Option"_s, u"Timed"_s},
                 {u"StartStopState"_s, u"OFF"_s}}) {
            rig.store->WriteSetting(key, value);
        }
        const FileSizeLimit limit(16);
        Form1 *form = rig.load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCoreApplication::processEvents();
        QCOMPARE(writeWarnings(rig), 0);

        auto *slider = rig.child<QSlider>("Slider1");
        const QPoint groove = grooveEnd(slider);
        QTest::mousePress(slider, Qt::LeftButton, {}, groove);
        QCoreApplication::processEvents();
        // A box opened now would take the release, and the slider would page on towards the pointer.
        QCOMPARE(writeWarnings(rig), 0);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, groove);
        QTRY_COMPARE(writeWarnings(rig), 1);
        QCOMPARE(slider->value(), 35);
    }

    void write_failureThenRecovery_writesAgainWithoutAnotherWarning() {
        Form1Rig rig;
        const QString file = rig.settingsFile();
        QVERIFY(QDir().mkpath(file));
        rig.store = std::make_unique<SettingsStore>(file);
        QSignalSpy failures(rig.store.get(), &SettingsStore::writeFailed);
        rig.load();
        rig.child<QSlider>("Slider1")->setValue(20);
        QTRY_COMPARE(writeWarnings(rig), 1);
        QVERIFY(failures.count() > 1);

        QVERIFY(QDir(file).removeRecursively());
        failures.clear();
        rig.child<QSlider>("Slider1")->setValue(21);
        rig.child<QSlider>("Slider1")->setValue(22);
        rig.store->flush();
        QCOMPARE(failures.count(), 0);
        QCOMPARE(writeWarnings(rig), 1);
        QCOMPARE(rig.stored(u"Volume"_s), u"22"_s);
        // What could not be saved earlier reaches the disk with the next write that succeeds.
        QCOMPARE(rig.stored(u"Option"_s), u"Infinite"_s);
    }
};

QTEST_MAIN(TestForm1BadSettings)
#include "tst_form1badsettings.moc"
