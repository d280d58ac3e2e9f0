#include "stylelibrary.h"

#include "addfolder.h"
#include "generatednoise.h"
#include "mix.h"
#include "mixsource.h"
#include "regularfile.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(lcStyles, "somnivox.styles")
}

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
    const auto list = [&](const QString &style) {
        if (!listed.contains(style)) {
            listed.insert(style);
            styles << style;
        }
    };
    for (const QString &folder : {soundsFolder(programFolder), userSoundsFolder()}) {
        for (const QString &file : ListFolderFiles(folder, u"*.*"_s).names()) {
            list(styleName(file));
        }
    }
    for (const QString &mix : Mix::namesIn(Mix::folder())) {
        list(mix);
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

// What plays the mix \a name: its layers' files, leaving out those that would play a mix again.
QString mixSource(const QString &programFolder, const QString &name) {
    QString why;
    const std::optional<Mix> mix = Mix::read(Mix::fileOf(Mix::folder(), name), &why);
    if (!mix) {
        qCWarning(lcStyles).noquote() << "The mix" << name << "does not play:" << why;
        return MixSource::sourceOf({});
    }
    const QStringList mixes = Mix::namesIn(Mix::folder());
    QList<MixSource::Layer> layers;
    for (const Mix::Layer &layer : mix->layers) {
        if (layer.sound == name || mixes.contains(layer.sound)) {
            qCWarning(lcStyles).noquote()
                << "The mix" << name << "leaves out" << layer.sound << "because a mix cannot hold a mix";
        } else {
            layers << MixSource::Layer{styleFile(programFolder, layer.sound), layer.volume};
        }
    }
    return MixSource::sourceOf(layers);
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
    // A sound of a mix's name plays instead of the mix, as it is the one listed.
    if (!QFileInfo(own).isFile() && !QFileInfo(fileIn(userSoundsFolder(), style)).exists() &&
        QFileInfo(Mix::fileOf(Mix::folder(), style)).exists()) {
        return mixSource(programFolder, style);
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
