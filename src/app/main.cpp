#include "appicon.h"
#include "buildconfig.h"
#include "form1.h"
#include "gstplayer.h"
#include "messageboxnotifier.h"
#include "mstartup.h"
#include "procedureerrorreport.h"
#include "qttraynotifier.h"
#include "settingsstore.h"
#include "skinframework.h"
#include "systemclock.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRandomGenerator>
#include <QTime>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"somnivox"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::Version));
    QGuiApplication::setDesktopFileName(u"org.vantrelle.Somnivox"_s);
    // The window lives on hidden in the tray; closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SettingsStore store;
    GstPlayer player;
    QtTrayNotifier trayNotifier;
    MessageBoxNotifier notifier;
    ProcedureErrorReport report(notifier, QString::fromUtf8(BuildConfig::SupportEmail));
    const SystemClock clock;
    const mStartUp startUp;
    SkinFramework skin;

    const auto drawPercent = [] {
        QRandomGenerator random(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
        return static_cast<int>(random.generateDouble() * 100) + 1;
    };
    const auto openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };

    Form1 form({store, player, notifier, report, clock, &trayNotifier, startUp, skin,
                QCoreApplication::applicationDirPath(), applicationIcon(), drawPercent, openUrl});
    form.Form_Load();
    form.showAfterLoad();
    return QApplication::exec();
}
