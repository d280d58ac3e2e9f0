#include "addfolder.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <dirent.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Only "*" and "?" are wildcards, as in the file searches the program was written for; brackets are literal.
// "*.*" takes every name, so it needs no expression at all.
std::optional<QRegularExpression> wildcardExpression(const QString &pattern) {
    if (pattern == "*.*"_L1) {
        return std::nullopt;
    }
    QString expression;
    for (const QChar c : pattern) {
        if (c == u'*') {
            expression += ".*"_L1;
        } else if (c == u'?') {
            expression += u'.';
        } else {
            expression += QRegularExpression::escape(QString(c));
        }
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

// Names compare by their upper-case forms, as the original platform's file system orders them ("_" after
// letters); names that differ only in case keep a fixed order.
void sortByNameIgnoringCase(QStringList &names) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (const QString &name : std::as_const(names)) {
        keyed.emplace_back(name.toUpper(), name);
    }
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i) {
        names[i] = keyed[i].second;
    }
}

} // namespace

FolderList ListFolderFiles(const QString &folder, const QString &pattern) {
    QString base = folder;
    if (!base.endsWith(u'/')) {
        base += u'/';
    }
    const std::optional<QRegularExpression> matcher = wildcardExpression(pattern);
    if (matcher && !matcher->isValid()) {
        return {};
    }
    const QByteArray encodedBase = QFile::encodeName(base);
    // No file of a folder that cannot be searched can be reached, whatever its entry says.
    if (::access(encodedBase.constData(), X_OK) != 0) {
        return {};
    }
    const std::unique_ptr<DIR, int (*)(DIR *)> folderStream(::opendir(encodedBase.constData()), &::closedir);
    if (!folderStream) {
        return {};
    }

    QStringList names;
    while (const dirent *entry = ::readdir(folderStream.get())) {
        const QByteArray rawName(entry->d_name);
        if (rawName == "." || rawName == "..") {
            continue;
        }
        const QString name = QFile::decodeName(rawName);
        // A name that does not survive decoding could not be opened again by the name given back.
        if (QFile::encodeName(name) != rawName || (matcher && !matcher->match(name).hasMatch())) {
            continue;
        }
        // The entry's own type answers for most files; links and file systems that give no type are checked.
        const bool regularFile = entry->d_type == DT_REG || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                                                             FileExistsStrict(base + name));
        if (regularFile) {
            names.append(name);
        }
    }
    sortByNameIgnoringCase(names);
    return FolderList(std::move(names));
}
