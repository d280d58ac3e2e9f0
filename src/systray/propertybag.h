#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>

/// Named values of a control's saved data, matched without regard to case.
///
/// The text form has one `name = value` line per value; a value in double quotes is text with backslash escapes
/// (\\, \", \n, \r), any other value is taken as it stands. Blank lines and lines starting with ';' or '#' are
/// skipped, as are lines without '='.
class PropertyBag {
public:
    /// The value stored under \a name, or \a defaultValue when there is none.
    QVariant readProperty(const QString &name, const QVariant &defaultValue = QVariant()) const;
    /// Stores \a value under \a name, replacing a value stored under the same name in any case.
    void writeProperty(const QString &name, const QVariant &value);
    bool contains(const QString &name) const;
    /// The names in the order they were first written, spelled as first written.
    QStringList names() const;

    static PropertyBag fromText(QStringView text);
    QString toText() const;

    /// The bag saved in \a fileName (a file or a Qt resource), or nothing when it cannot be read.
    static std::optional<PropertyBag> load(const QString &fileName);
    /// Writes the bag to \a fileName whole or not at all.
    bool save(const QString &fileName) const;

private:
    qsizetype indexOf(const QString &name) const;

    QList<std::pair<QString, QVariant>> m_values;
};
