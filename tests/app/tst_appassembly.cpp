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

    void playerLoadsItsEngineFromTheProgramsFolder() {
        const AppAssembly assembly(m_config.path());
        QCOMPARE(assembly.player().enginePath(), m_config.path() + u"/somnivox-engine.so"_s);
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestAppAssembly)
#include "tst_appassembly.moc"
