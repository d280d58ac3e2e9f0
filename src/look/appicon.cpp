#include "appicon.h"

#include "sizedfilesiconengine.h"

#include <QDirIterator>

#include <algorithm>

using namespace Qt::StringLiterals;

QIcon applicationIcon(int largestOffered) {
    // The folders are named by size ("48x48"), so no picture is opened here.
    // No name filter: QDir's default one would load the regular-expression engine into every start.
    const QString hicolor = u":/icons/hicolor/"_s;
    QMap<int, QString> files;
    QList<int> offered;
    for (QDirIterator folders(hicolor, QDir::Dirs | QDir::NoDotAndDotDot); folders.hasNext();) {
        const QString folder = folders.nextFileInfo().fileName();
        const QStringList sides = folder.split(u'x');
        bool wide = false;
        bool high = false;
        const int edge = sides.size() == 2 ? sides.at(0).toInt(&wide) : 0;
        if (!wide || sides.at(1).toInt(&high) != edge || !high || edge <= 0) {
            continue;
        }
        files.insert(edge, hicolor + folder + u"/apps/somnivox.png"_s);
        if (edge <= largestOffered) {
            offered << edge;
        }
    }
    if (files.isEmpty()) {
        return {};
    }
    std::sort(offered.begin(), offered.end());
    return QIcon(new SizedFilesIconEngine(files, offered));
}
