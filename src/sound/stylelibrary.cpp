#include "stylelibrary.h"

using namespace Qt::StringLiterals;

namespace StyleLibrary {

QString soundsFolder(const QString &programFolder) {
    return programFolder + u"/sounds"_s;
}

QString styleName(const QString &fileName) {
    QString name = fileName;
    return name.remove(u".mp3"_s, Qt::CaseSensitive);
}

QString styleFile(const QString &programFolder, const QString &style) {
    return soundsFolder(programFolder) + u'/' + style + u".mp3"_s;
}

} // namespace StyleLibrary
