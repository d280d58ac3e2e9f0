#include "appicon.h"

#include <QDirIterator>
#include <QImageReader>

using namespace Qt::StringLiterals;

QIcon applicationIcon() {
    QIcon icon;
    QDirIterator sizes(u":/icons/hicolor"_s, QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        const QString file = sizes.next() + u"/apps/somnivox.png"_s;
        const QSize size = QImageReader(file).size();
        if (size.isValid()) {
            icon.addFile(file, size);
        }
    }
    return icon;
}
