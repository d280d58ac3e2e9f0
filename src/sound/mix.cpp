#include "mix.h"

#include "addfolder.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A mix names a few sounds: anything larger is not one.
constexpr qint64 MaxFileBytes = 64 * 1024;
const QString Suffix = u".mix"_s;

using Sections = QMap<QString, QMap<QString, QString>>;

// INI as people write it by hand: [Section], key=value, blanks around either ignored, ';' and '#' start comments.
Sections sectionsOf(const QByteArray &text) {
    Sections sections;
    QString section;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            sections[section];
        } else if (const qsizetype equals = line.indexOf(u'='); equals > 0 && !section.isEmpty()) {
            sections[section][line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
        }
    }
    return sections;
}

} // namespace

QString Mix::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/somnivox/mixes"_s;
}

QString Mix::fileOf(const QString &folder, const QString &name) {
    return folder + u'/' + name + Suffix;
}

QStringList Mix::namesIn(const QString &folder) {
    QStringList names;
    for (const QString &file : ListFolderFiles(folder, u"*"_s + Suffix).names()) {
        if (file.endsWith(Suffix)) {
            names << file.chopped(Suffix.size());
        }
    }
    return names;
}

std::optional<Mix> Mix::parse(const QByteArray &text, QString *error) {
    const Sections sections = sectionsOf(text);
    const auto fail = [error](const QString &why) {
        *error = why;
        return std::nullopt;
    };
    if (!sections.contains(u"Mix"_s)) {
        return fail(tr("it is not a mix: it has no [Mix] section"));
    }
    if (const QString version = sections[u"Mix"_s].value(u"Version"_s); version != QString::number(Version)) {
        return fail(
            version.isEmpty()
                ? tr("it names no version")
                : tr("it is of version %1, and this program reads version %2").arg(version, QString::number(Version)));
    }
    QMap<int, QMap<QString, QString>> numbered;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        bool isNumber = false;
        if (const int number = section.key().sliced(std::min<qsizetype>(5, section.key().size())).toInt(&isNumber);
            section.key().startsWith(u"Layer"_s) && isNumber && number > 0) {
            numbered.insert(number, section.value());
        }
    }
    if (numbered.size() > MaxLayers) {
        return fail(tr("it has %1 layers, and a mix holds at most %2")
                        .arg(QString::number(numbered.size()), QString::number(MaxLayers)));
    }
    Mix mix;
    for (auto layer = numbered.cbegin(); layer != numbered.cend(); ++layer) {
        const QString sound = layer.value().value(u"Sound"_s);
        if (sound.isEmpty()) {
            return fail(tr("layer %1 names no sound").arg(layer.key()));
        }
        bool isNumber = true;
        const QString volumeText = layer.value().value(u"Volume"_s, QString::number(MaxVolume));
        const int volume = volumeText.toInt(&isNumber);
        if (!isNumber || volume < 0 || volume > MaxVolume) {
            return fail(tr("layer %1 has the volume \"%2\", where a whole number from 0 to %3 belongs")
                            .arg(QString::number(layer.key()), volumeText, QString::number(MaxVolume)));
        }
        mix.layers << Layer{sound, volume};
    }
    if (mix.layers.isEmpty()) {
        return fail(tr("it has no layer"));
    }
    return mix;
}

QByteArray Mix::text() const {
    QByteArray text = "[Mix]\nVersion=" + QByteArray::number(Version) + '\n';
    for (qsizetype i = 0; i < layers.size(); ++i) {
        text += "\n[Layer" + QByteArray::number(i + 1) + "]\nSound=" + layers.at(i).sound.toUtf8() +
                "\nVolume=" + QByteArray::number(layers.at(i).volume) + '\n';
    }
    return text;
}

std::optional<Mix> Mix::read(const QString &path, QString *error) {
    const std::optional<QByteArray> text = readRegularFile(path, MaxFileBytes, error);
    if (!text) {
        return std::nullopt;
    }
    return parse(*text, error);
}

bool Mix::write(const QString &path, const QString &name, const QStringList &mixNames, QString *error) const {
    if (const QString why = problem(name, mixNames); !why.isEmpty()) {
        *error = why;
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text()) < 0 || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString Mix::problem(const QString &name, const QStringList &mixNames) const {
    if (name.trimmed().isEmpty() || name.contains(u'/')) {
        return tr("A mix needs a name without \"/\".");
    }
    if (layers.isEmpty()) {
        return tr("A mix needs at least one sound.");
    }
    if (layers.size() > MaxLayers) {
        return tr("A mix holds at most %1 sounds.").arg(MaxLayers);
    }
    for (const Layer &layer : layers) {
        if (layer.sound == name) {
            return tr("The mix \"%1\" cannot hold itself.").arg(name);
        }
        if (mixNames.contains(layer.sound)) {
            return tr("The mix \"%1\" cannot hold another mix, \"%2\".").arg(name, layer.sound);
        }
        if (layer.volume < 0 || layer.volume > MaxVolume) {
            return tr("A sound's volume in a mix goes from 0 to %1.").arg(MaxVolume);
        }
    }
    return {};
}
