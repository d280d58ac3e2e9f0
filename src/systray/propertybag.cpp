#include "propertybag.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString &text) {
    QString out = u"\""_s;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += u"\\\\"_s;
            break;
        case '"':
            out += u"\\\""_s;
            break;
        case '\n':
            out += u"\\n"_s;
            break;
        case '\r':
            out += u"\\r"_s;
            break;
        default:
            out += c;
        }
    }
    return out + u'"';
}

QString unquoted(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            c = text.at(++i);
            if (c == u'n') {
                c = u'\n';
            } else if (c == u'r') {
                c = u'\r';
            }
        }
        out += c;
    }
    return out;
}

QString valueText(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? u"true"_s : u"false"_s;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    default:
        return quoted(value.toString());
    }
}

} // namespace

QVariant PropertyBag::readProperty(const QString &name, const QVariant &defaultValue) const {
    const qsizetype index = indexOf(name);
    return index < 0 ? defaultValue : m_values.at(index).second;
}

void PropertyBag::writeProperty(const QString &name, const QVariant &value) {
    const qsizetype index = indexOf(name);
    if (index < 0) {
        m_values.append({name, value});
    } else {
        m_values[index].second = value;
    }
}

bool PropertyBag::contains(const QString &name) const {
    return indexOf(name) >= 0;
}

QStringList PropertyBag::names() const {
    QStringList result;
    for (const auto &entry : m_values) {
        result.append(entry.first);
    }
    return result;
}

PropertyBag PropertyBag::fromText(QStringView text) {
    PropertyBag bag;
    for (QStringView line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) {
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QStringView name = equals < 0 ? QStringView() : line.left(equals).trimmed();
        if (name.isEmpty()) {
            continue;
        }
        const QStringView value = line.mid(equals + 1).trimmed();
        const bool isQuoted = value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
        bag.writeProperty(name.toString(), isQuoted ? unquoted(value.mid(1, value.size() - 2)) : value.toString());
    }
    return bag;
}

QString PropertyBag::toText() const {
    QString text;
    for (const auto &[name, value] : m_values) {
        text += name + u" = "_s + valueText(value) + u'\n';
    }
    return text;
}

std::optional<PropertyBag> PropertyBag::load(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return fromText(QString::fromUtf8(file.readAll()));
}

bool PropertyBag::save(const QString &fileName) const {
    // Saving renames a new file over the old, or over what a link names: never over a device or a FIFO.
    if (const QFileInfo existing(fileName); existing.exists() && !existing.isFile()) {
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // commit() overlooks a write cut short while flushing (a full disk); the cut file would replace the old one.
    const QByteArray text = toText().toUtf8();
    if (file.write(text) != text.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

qsizetype PropertyBag::indexOf(const QString &name) const {
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (m_values.at(i).first.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}
