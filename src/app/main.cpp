#include "appassembly.h"
#include "buildconfig.h"
#include "singleinstance.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"somnivox"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::Version));
    QGuiApplication::setDesktopFileName(u"org.vantrelle.Somnivox"_s);
    // The window lives on hidden in the tray; closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(SingleInstance::defaultFolder());
    switch (instance.claim(SingleInstance::PatienceMs)) {
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
                     [&assembly] { assembly.showWindow(); });
    assembly.start();
    return QApplication::exec();
}
