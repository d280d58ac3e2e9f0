#include "fakes/fakeplayer.h"
#include "generatednoise.h"
#include "mix.h"
#include "mixerwindow.h"
#include "mixsource.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const Mix Night{{{u"Brown Noise"_s, 40}, {u"Rain"_s, 70}}};

// The window over a program folder holding six sounds (nine styles with the generated noises), with the mix "Night"
// saved.
struct MixerRig {
    QTemporaryDir program;
    FakePlayer player;
    QString playing = u"Night"_s;
    MixerWindow window{player, program.path(), [this] { return playing; }};

    MixerRig() {
        QDir(program.path()).mkdir(u"sounds"_s);
        for (const QString &sound : {u"Rain"_s, u"Sea"_s, u"Fan"_s, u"Fire"_s, u"Birds"_s, u"Wind"_s}) {
            QFile(program.filePath(u"sounds/%1.mp3"_s.arg(sound))).open(QIODevice::WriteOnly);
        }
        QDir(Mix::folder()).removeRecursively();
        QString why;
        QVERIFY(Night.write(Mix::fileOf(Mix::folder(), u"Night"_s), u"Night"_s, {}, &why));
        window.showMixer();
    }
    QCheckBox *box(const QString &style) {
        for (auto *box : window.findChildren<QCheckBox *>()) {
            if (box->accessibleName() == style) {
                return box;
            }
        }
        return nullptr;
    }
    QSlider *slider(const QString &style) {
        for (auto *slider : window.findChildren<QSlider *>()) {
            if (slider->accessibleName() == u"Volume of "_s + style) {
                return slider;
            }
        }
        return nullptr;
    }
    QComboBox *name() { return window.findChild<QComboBox *>(u"MixName"_s); }
    void click(const char *button) { window.findChild<QPushButton *>(QLatin1StringView(button))->click(); }
    std::optional<Mix> saved(const QString &mix) {
        QString why;
        return Mix::read(Mix::fileOf(Mix::folder(), mix), &why);
    }
};

} // namespace

class TestMixerWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    // Choosing a mix fills the boxes and sliders; edits are written by "Save" only, in the mix's order.
    void chosenMix_isLoaded_andEditsAreWrittenOnlyBySave() {
        MixerRig rig;
        QVERIFY(rig.box(u"Night"_s) == nullptr);
        rig.name()->setCurrentIndex(rig.name()->findText(u"Night"_s));
        QVERIFY(rig.box(u"Brown Noise"_s)->isChecked());
        QCOMPARE(rig.slider(u"Brown Noise"_s)->value(), 40);
        QCOMPARE(rig.slider(u"Rain"_s)->value(), 70);
        QVERIFY(!rig.box(u"Pink Noise"_s)->isChecked());
        QVERIFY(!rig.slider(u"Pink Noise"_s)->isEnabled());

        rig.box(u"Pink Noise"_s)->setChecked(true);
        rig.slider(u"Pink Noise"_s)->setValue(20);
        rig.box(u"Brown Noise"_s)->setChecked(false);
        rig.slider(u"Rain"_s)->setValue(55);
        QCOMPARE(*rig.saved(u"Night"_s), Night);
        rig.click("MixSave");
        QCOMPARE(*rig.saved(u"Night"_s), (Mix{{{u"Rain"_s, 55}, {u"Pink Noise"_s, 20}}}));
    }

    void refusal_isShown_andNothingWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("message");
        QTest::newRow("no sound") << u"Quiet"_s << QStringList{} << Mix{}.problem(u"Quiet"_s, {});
        QTest::newRow("a slash") << u"a/b"_s << QStringList{u"Rain"_s} << Night.problem(u"a/b"_s, {});
        QTest::newRow("nine sounds") << u"Many"_s << QStringList{u"Brown Noise"_s, u"Pink Noise"_s, u"White Noise"_s,
                                                                 u"Rain"_s,        u"Sea"_s,        u"Fan"_s,
                                                                 u"Fire"_s,        u"Birds"_s,      u"Wind"_s}
                                     << Mix{QList<Mix::Layer>(9, {u"Rain"_s, 1})}.problem(u"Many"_s, {});
        QTest::newRow("a sound's name") << u"Rain"_s << QStringList{u"Brown Noise"_s}
                                        << u"\"Rain\" is the name of a sound: a mix needs a name of its own."_s;
    }

    void refusal_isShown_andNothingWritten() {
        QFETCH(QString, name);
        QFETCH(QStringList, checked);
        QFETCH(QString, message);
        MixerRig rig;
        for (const QString &style : checked) {
            rig.box(style)->setChecked(true);
        }
        rig.name()->setEditText(name);
        rig.click("MixSave");
        QCOMPARE(rig.window.message(), message);
        QCOMPARE(Mix::namesIn(Mix::folder()), QStringList{u"Night"_s});
    }

    void delete_removesTheFile_andTheName() {
        MixerRig rig;
        rig.name()->setCurrentIndex(rig.name()->findText(u"Night"_s));
        rig.click("MixDelete");
        QVERIFY(Mix::namesIn(Mix::folder()).isEmpty());
        QCOMPARE(rig.name()->findText(u"Night"_s), -1);
    }

    // While the mix being edited plays, each change reaches the player; another style playing hears nothing of it.
    void change_reachesThePlayer_onlyWhileTheMixPlays() {
        MixerRig rig;
        rig.player.state = Player::Playing;
        rig.name()->setCurrentIndex(rig.name()->findText(u"Night"_s));
        rig.slider(u"Brown Noise"_s)->setValue(10);
        const QString rain = rig.program.path() + u"/sounds/Rain.mp3"_s;
        const QString brown = *GeneratedNoise::sourceOf(u"Brown Noise"_s);
        QCOMPARE(rig.player.calls.last(), u"setMixLayers "_s + MixSource::sourceOf({{brown, 10}, {rain, 70}}));
        rig.box(u"Rain"_s)->setChecked(false);
        QCOMPARE(rig.player.calls.last(), u"setMixLayers "_s + MixSource::sourceOf({{brown, 10}}));

        const qsizetype calls = rig.player.calls.size();
        rig.playing = u"Pink Noise"_s;
        rig.slider(u"Brown Noise"_s)->setValue(30);
        rig.playing = u"Night"_s;
        rig.player.state = 0;
        rig.slider(u"Brown Noise"_s)->setValue(50);
        QCOMPARE(rig.player.calls.size(), calls);
    }

    // A window closed while its name holds a saved mix's name, typed and not yet chosen, loads nothing as it goes:
    // the name's field loses the keyboard only once the window is half torn down.
    void closingWithANameTyped_loadsNothing() {
        MixerRig rig;
        rig.player.state = Player::Playing;
        auto *window = new MixerWindow(rig.player, rig.program.path(), [] { return u"Night"_s; });
        window->showMixer();
        QApplication::setActiveWindow(window);
        auto *name = window->findChild<QComboBox *>(u"MixName"_s);
        name->setFocus();
        name->setEditText(u"Night"_s);
        QVERIFY(name->lineEdit()->hasFocus());
        const qsizetype calls = rig.player.calls.size();
        delete window;
        QCOMPARE(rig.player.calls.size(), calls);
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestMixerWindow)
#include "tst_mixerwindow.moc"
