#pragma once

// Root reads and writes any file whatever its mode, so a test about permissions proves nothing as root.

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

/// As root, runs the current test function's current row again in a child of this test program as the user nobody
/// (with a home of its own), passes its verdict on and returns true; as anyone else returns false, and the row runs
/// here. The test program and its data must be reachable by nobody.
inline bool ranAsNobody() {
    if (::geteuid() != 0) {
        return false;
    }
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        environment.insert(QString::fromLatin1(name), home.path());
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setProcessEnvironment(environment);
    const QString row =
        QString::fromLatin1(QTest::currentTestFunction()) + u':' + QString::fromUtf8(QTest::currentDataTag());
    [&] {
        QVERIFY(home.isValid());
        QCOMPARE(::chown(QFile::encodeName(home.path()).constData(), 65534, 65534), 0);
        child.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                     QStringLiteral("--"), QCoreApplication::applicationFilePath(), row});
        QVERIFY2(child.waitForFinished(120000), "the run as nobody did not end");
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QStringLiteral("the run as nobody failed (exit code %1)").arg(child.exitCode())));
    }();
    return true;
}
