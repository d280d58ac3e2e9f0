#pragma once

// Root reads and writes any file whatever its mode, so a test about permissions proves nothing as root.

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <unistd.h>

/// As root with the power to override file modes, runs the current test function's current row again in a child of this
/// test program that is still root but without the capabilities that override file modes, passes its verdict on and
/// returns true; as anyone else returns false, and the row runs here (in that child too). The child keeps root's
/// ownership of the build tree, so the program and its data stay reachable wherever the checkout lies (a home folder of
/// mode 700 included).
inline bool ranUnprivileged() {
    if (::geteuid() != 0 || ::prctl(PR_CAPBSET_READ, CAP_DAC_OVERRIDE) != 1) {
        return false;
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString row =
        QString::fromLatin1(QTest::currentTestFunction()) + u':' + QString::fromUtf8(QTest::currentDataTag());
    [&] {
        child.start(QStringLiteral("setpriv"), {QStringLiteral("--bounding-set=-dac_override,-dac_read_search,-fowner"),
                                                QStringLiteral("--inh-caps=-all"), QStringLiteral("--"),
                                                QCoreApplication::applicationFilePath(), row});
        QVERIFY2(child.waitForFinished(120000), "the run without file-mode overrides did not end");
        QVERIFY2(
            child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
            qPrintable(
                QStringLiteral("the run without file-mode overrides failed (exit code %1)").arg(child.exitCode())));
    }();
    return true;
}
