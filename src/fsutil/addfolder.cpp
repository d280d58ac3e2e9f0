#include "addfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Only "*" and "?" are wildcards, as in the file searches the program was written for; brackets are literal.
QRegularExpression wildcardExpression(const QString &pattern) {
    if (pattern == "*.*"_L1) {
        return QRegularExpression(u"^.*$"_s, QRegularExpression::DotMatchesEverythingOption);
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
    const QRegularExpression matcher = wildcardExpression(pattern);
    if (!matcher.isValid()) {
        return {};
    }

    QStringList names;
    QDirIterator search(base, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (search.hasNext()) {
        search.next();
        const QString name = search.fileName();
        if (matcher.match(name).hasMatch() && FileExistsStrict(base + name)) {
            names.append(name);
        }
    }
    sortByNameIgnoringCase(names);
    return FolderList(std::move(names));
}
