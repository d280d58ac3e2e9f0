// The floor for the whole-program figures: a bare Qt Widgets window with a tray icon, started the same way. It
// shows a label and a check box, since any window with text pays for the font stack.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(Qt::blue);
    painter.drawEllipse(pixmap.rect().adjusted(1, 1, -1, -1));
    painter.end();
    const QIcon icon(pixmap);

    QSystemTrayIcon tray(icon);
    tray.setToolTip(u"Bare Window"_s);
    tray.show();

    QWidget window;
    window.setWindowTitle(u"Bare Window"_s);
    window.setWindowIcon(icon);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(u"Bare Window"_s));
    layout->addWidget(new QCheckBox(u"Start at login"_s));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
