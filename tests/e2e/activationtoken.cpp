// Prints an xdg-activation token from the compositor named by WAYLAND_DISPLAY, as a launcher obtains one for the
// program it starts; fails when none is handed out.
#include "xdgactivation.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    XdgActivation activation;
    int status = 1;
    QObject::connect(&activation, &XdgActivation::tokenReady, &app, [&status](const QString &token) {
        if (!token.isEmpty()) {
            std::printf("%s\n", qPrintable(token));
            status = 0;
        }
        QCoreApplication::quit();
    });
    activation.requestToken(QStringLiteral("e2e-launcher"));
    QCoreApplication::exec();
    return status;
}
