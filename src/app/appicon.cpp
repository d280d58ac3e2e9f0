#include "appicon.h"

#include "sizedfilesiconengine.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

QIcon applicationIcon(int largestOffered) {
    // The folders are named by size ("48x48"), so no picture is opened here.
    const QDir hicolor(u":/icons/hicolor"_s);
    QMap<int, QString> files;
    QList<int> offered;
    for (const QString &folder : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList sides = folder.split(u'x');
        bool wide = false;
        bool high = false;
        const int edge = sides.size() == 2 ? sides.at(0).toInt(&wide) : 0;
        if (!wide || sides.at(1).toInt(&high) != edge || !high || edge <= 0) {
            continue;
        }
        files.insert(edge, hicolor.filePath(folder + u"/apps/somnivox.png"_s));
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
