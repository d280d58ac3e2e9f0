#include "appassembly.h"
#include "buildconfig.h"
#include "stylelibrary.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAppAssembly : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void reportNamesTheSupportAddressAndTheWindowTheHomePage() {
        AppAssembly assembly;
        QCOMPARE(assembly.report().supportAddress(), QString::fromUtf8(BuildConfig::SupportEmail));
        QCOMPARE(assembly.form().services().homePage, QString::fromUtf8(BuildConfig::HomePage));
    }

    void soundsAreInTheProgramsOwnFolder() {
        // Started from another folder, the program still finds its own.
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_config.path()));
        AppAssembly assembly;
        QVERIFY(QDir::setCurrent(started));
        const QString programFolder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
        QCOMPARE(assembly.form().services().programFolder, programFolder);
        QCOMPARE(StyleLibrary::soundsFolder(assembly.form().services().programFolder), programFolder + u"/sounds"_s);
    }

    void playerUsesTheSinkFromTheEnvironment_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("sink");
        QTest::newRow("unset") << QByteArray() << u"pulsesink"_s;
        QTest::newRow("set") << QByteArray("fakesink sync=true") << u"fakesink sync=true"_s;
    }
    void playerUsesTheSinkFromTheEnvironment() {
        QFETCH(QByteArray, variable);
        QFETCH(QString, sink);
        if (variable.isNull()) {
            qunsetenv("SOMNIVOX_AUDIO_SINK");
        } else {
            qputenv("SOMNIVOX_AUDIO_SINK", variable);
        }
        const AppAssembly assembly;
        QCOMPARE(assembly.player().sinkDescription(), sink);
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestAppAssembly)
#include "tst_appassembly.moc"
