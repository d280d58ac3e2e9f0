// A file manager's part in a drop: a window that starts dragging the files named on its command line when pressed.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(const QList<QUrl> &urls) : m_urls(urls) {
        setWindowTitle(QStringLiteral("drag-source"));
        resize(120, 120);
    }

protected:
    void mousePressEvent(QMouseEvent *) override {
        auto *drag = new QDrag(this);
        auto *mime = new QMimeData;
        mime->setUrls(m_urls);
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction);
    }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString &path : QApplication::arguments().mid(1)) {
        urls << QUrl::fromLocalFile(path);
    }
    DragSource source(urls);
    source.move(0, 0);
    source.show();
    return QApplication::exec();
}
