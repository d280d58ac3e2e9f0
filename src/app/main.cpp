#include "appassembly.h"
#include "buildconfig.h"
#include "sessionbusprobe.h"
#include "singleinstance.h"
#include "terminationsignals.h"

#include <QApplication>

#include <csignal>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    // A closed log reader (a launcher gone, a terminal closed) must not end the program at its next log line.
    std::signal(SIGPIPE, SIG_IGN);
    // Qt waits on every D-Bus reply; a session bus that takes connections but never answers would hold the window.
    SessionBusProbe::ignoreIfSilent(1000);
    // Taken before Qt's X11 plugin consumes the startup notification's: the launcher's proof that the user asked for
    // the program, handed on to one already running.
    const QString launchToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"somnivox"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::Version));
    QGuiApplication::setDesktopFileName(u"org.vantrelle.Somnivox"_s);
    // The window lives on hidden in the tray; closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(SingleInstance::defaultFolder());
    const bool wayland = QGuiApplication::platformName().startsWith(u"wayland"_s);
    switch (instance.claim(SingleInstance::PatienceMs, wayland ? launchToken : startupId)) {
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::NoAnswer:
        qCritical("Somnivox Noise Player is already running but does not answer.");
        return 1;
    case SingleInstance::Role::First:
        break;
    }

    AppAssembly assembly;
    QObject::connect(&instance, &SingleInstance::activationRequested, &assembly.form(),
                     [&assembly](const QString &token) { assembly.showWindow(token); });
    // The end of the session ends the program as a close does: the sound ramps down and the socket goes.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &assembly.form(),
                     [&assembly] { assembly.form().close(); });
    assembly.start();
    // An end that came before the event loop (from a start-up message box) is not repeated by it.
    return assembly.ended() ? 0 : QApplication::exec();
}
