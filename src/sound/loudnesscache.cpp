#include "loudnesscache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"[Loudness]"_s;
// Each line: the path, percent-encoded so that no '=' or line break is left in it, then size, modification time in
// milliseconds since the epoch, integrated loudness and true peak.
constexpr int Fields = 4;

qint64 modifiedOf(const QFileInfo &file) {
    return file.lastModified().toMSecsSinceEpoch();
}

} // namespace

LoudnessCache::LoudnessCache(const QString &fileName) : m_fileName(fileName) {}

QString LoudnessCache::defaultFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/somnivox/loudness.ini"_s;
}

void LoudnessCache::load() {
    m_entries.clear();
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    // A cache is small; anything far larger is not one.
    constexpr qint64 LargestFile = 16 * 1024 * 1024;
    const QStringList lines = QString::fromUtf8(file.read(LargestFile)).split(u'\n');
    if (lines.value(0).trimmed() != Section) {
        return;
    }
    for (const QString &line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(u'=');
        const QStringList fields = line.mid(equals + 1).trimmed().split(u',');
        if (equals <= 0 || fields.size() != Fields) {
            continue;
        }
        bool ok[Fields] = {};
        const Entry entry{fields[0].toLongLong(&ok[0]),
                          fields[1].toLongLong(&ok[1]),
                          {fields[2].toDouble(&ok[2]), fields[3].toDouble(&ok[3])}};
        if (std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) && entry.size >= 0 &&
            entry.loudness.isValid()) {
            m_entries.insert(QUrl::fromPercentEncoding(line.left(equals).trimmed().toLatin1()), entry);
        }
    }
}

bool LoudnessCache::save() const {
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath())) {
        return false;
    }
    QByteArray text = Section.toUtf8() + '\n';
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (!QFileInfo::exists(it.key())) {
            continue;
        }
        const Entry &entry = it.value();
        text += QUrl::toPercentEncoding(it.key(), "/") + '=' + QByteArray::number(entry.size) + ',' +
                QByteArray::number(entry.modified) + ',' + QByteArray::number(entry.loudness.lufs, 'g', 17) + ',' +
                QByteArray::number(entry.loudness.truePeak, 'g', 17) + '\n';
    }
    QSaveFile file(m_fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

std::optional<Loudness> LoudnessCache::find(const QFileInfo &file) const {
    const auto found = m_entries.constFind(file.absoluteFilePath());
    if (found == m_entries.cend() || found->size != file.size() || found->modified != modifiedOf(file)) {
        return std::nullopt;
    }
    return found->loudness;
}

void LoudnessCache::insert(const QFileInfo &file, const Loudness &loudness) {
    m_entries.insert(file.absoluteFilePath(), {file.size(), modifiedOf(file), loudness});
}
