#include "appassembly.h"
#include "buildconfig.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"somnivox"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::Version));
    QGuiApplication::setDesktopFileName(u"org.vantrelle.Somnivox"_s);
    // The window lives on hidden in the tray; closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    AppAssembly assembly;
    assembly.start();
    return QApplication::exec();
}
