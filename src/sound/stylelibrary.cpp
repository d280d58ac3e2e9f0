#include "stylelibrary.h"

#include <QFileInfo>

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
    const QString own = soundsFolder(programFolder) + u'/' + style;
    const QString mp3 = own + u".mp3"_s;
    if (isOtherSoundFormat(style) && !QFileInfo(mp3).isFile() && QFileInfo(own).isFile()) {
        return own;
    }
    return mp3;
}

bool isOtherSoundFormat(const QString &fileName) {
    for (const QLatin1StringView extension : {".flac"_L1, ".ogg"_L1, ".oga"_L1, ".opus"_L1, ".wav"_L1}) {
        if (fileName.endsWith(extension, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

} // namespace StyleLibrary
