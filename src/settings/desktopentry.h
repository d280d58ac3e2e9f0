#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// Quoting and parsing of values in the freedesktop.org Desktop Entry format.
namespace DesktopEntry {

/// Escapes \a text as a value of type string: backslash, newline, tab and carriage return.
QString escapeString(const QString &text);

/// The text that stands for \a argument in an Exec value as written to the file: the argument in double
/// quotes with '"', '`', '$' and '\' escaped by a backslash, then the string escape applied and every '%'
/// doubled, so that a launcher passes exactly \a argument.
QString quoteExecArgument(const QString &argument);

/// Splits an Exec value, as written in the file, into its arguments the way a launcher does: string
/// escapes first, then quoting, then "%%" for '%'. Returns nothing for a value a launcher would refuse or
/// read differently: a bad escape, an open quote, a reserved character outside quotes, a field code, or
/// no program at all.
std::optional<QStringList> parseExec(const QString &value);

} // namespace DesktopEntry
