#include "stylelibrary.h"

#include "addfolder.h"
#include "generatednoise.h"
#include "regularfile.h"

#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace StyleLibrary {

QString soundsFolder(const QString &programFolder) {
    return programFolder + u"/sounds"_s;
}

QString styleName(const QString &fileName) {
    QString name = fileName;
    return name.remove(u".mp3"_s, Qt::CaseSensitive);
}

QString userSoundsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/somnivox/sounds"_s;
}

QStringList listedStyles(const QString &programFolder) {
    QStringList styles = GeneratedNoise::styles();
    QSet<QString> listed(styles.cbegin(), styles.cend());
    for (const QString &folder : {soundsFolder(programFolder), userSoundsFolder()}) {
        for (const QString &file : ListFolderFiles(folder, u"*.*"_s).names()) {
            if (const QString style = styleName(file); !listed.contains(style)) {
                listed.insert(style);
                styles << style;
            }
        }
    }
    return styles;
}

namespace {

// The file of \a folder that plays \a style, built whether or not it exists.
QString fileIn(const QString &folder, const QString &style) {
    const QString own = folder + u'/' + style;
    const QString mp3 = own + u".mp3"_s;
    if (isOtherSoundFormat(style) && !QFileInfo(mp3).isFile() && QFileInfo(own).isFile()) {
        return own;
    }
    return mp3;
}

} // namespace

QString styleFile(const QString &programFolder, const QString &style) {
    if (const QString users = fileIn(userSoundsFolder(), style); canReadRegularFile(users)) {
        return users;
    }
    const QString own = fileIn(soundsFolder(programFolder), style);
    if (const auto generated = GeneratedNoise::sourceOf(style); generated && !QFileInfo(own).isFile()) {
        return *generated;
    }
    return own;
}

int keptChoice(const QStringList &styles, const QString &chosen, int formerIndex) {
    if (const qsizetype named = styles.indexOf(chosen); named >= 0) {
        return int(named);
    }
    return int(std::min<qsizetype>(std::max(formerIndex, 0), styles.size() - 1));
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
