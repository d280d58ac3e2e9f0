#include "desktopentry.h"

using namespace Qt::StringLiterals;

namespace {

std::optional<QString> unescapeString(const QString &value) {
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value.at(i).unicode()) {
        case u's':
            text += u' ';
            break;
        case u'n':
            text += u'\n';
            break;
        case u't':
            text += u'\t';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'\\':
            text += u'\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

bool isSeparator(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isReservedOutsideQuotes(QChar c) {
    return u"\"'\\><~|&;$*?#()`\r"_s.contains(c);
}

bool isEscapableInQuotes(QChar c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

} // namespace

namespace DesktopEntry {

QString escapeString(const QString &text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += "\\\\"_L1;
            break;
        case u'\n':
            escaped += "\\n"_L1;
            break;
        case u'\t':
            escaped += "\\t"_L1;
            break;
        case u'\r':
            escaped += "\\r"_L1;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString quoteExecArgument(const QString &argument) {
    QString quoted = u"\""_s;
    for (const QChar c : argument) {
        if (isEscapableInQuotes(c)) {
            quoted += u'\\';
        }
        quoted += c;
    }
    quoted += u'"';
    return escapeString(quoted).replace(u'%', "%%"_L1);
}

std::optional<QStringList> parseExec(const QString &value) {
    const std::optional<QString> unescaped = unescapeString(value);
    if (!unescaped) {
        return std::nullopt;
    }
    const QString &text = *unescaped;
    QStringList arguments;
    qsizetype i = 0;
    while (true) {
        while (i < text.size() && isSeparator(text.at(i))) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        const bool quoted = text.at(i) == u'"';
        if (quoted) {
            ++i;
        }
        QString argument;
        bool closed = false;
        while (i < text.size()) {
            const QChar c = text.at(i);
            if (quoted && c == u'"') {
                closed = true;
                ++i;
                break;
            }
            if (!quoted && isSeparator(c)) {
                break;
            }
            if (c == u'%') {
                // Field codes would be replaced by the launcher; only a literal percent sign is ours.
                if (i + 1 == text.size() || text.at(i + 1) != u'%') {
                    return std::nullopt;
                }
                argument += u'%';
                i += 2;
                continue;
            }
            if (quoted && c == u'\\') {
                if (i + 1 == text.size() || !isEscapableInQuotes(text.at(i + 1))) {
                    return std::nullopt;
                }
                argument += text.at(i + 1);
                i += 2;
                continue;
            }
            if (!quoted && isReservedOutsideQuotes(c)) {
                return std::nullopt;
            }
            argument += c;
            ++i;
        }
        if (quoted && (!closed || (i < text.size() && !isSeparator(text.at(i))))) {
            return std::nullopt;
        }
        arguments.append(argument);
    }
    if (arguments.isEmpty() || arguments.constFirst().isEmpty()) {
        return std::nullopt;
    }
    return arguments;
}

} // namespace DesktopEntry
