#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

/// The conversions between stored setting texts and the values the controls hold.
/// A text that cannot be converted makes the conversion throw std::runtime_error.
namespace SettingConversions {

/// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

/// The whole text as a 16-bit number, a fraction rounded halves to even.
/// Throws "Type mismatch" for a text that is not a number and "Overflow" outside -32768..32767.
qint16 toInt16(const QString &text);

/// The number the text starts with (blanks before it skipped, "." as decimal point), 0 when it starts with none.
double leadingNumber(const QString &text);

/// The leading number brought to a whole number, halves to even; throws "Overflow" beyond 32 bits.
int toPosition(const QString &text);

/// The one format that writes and reads stored dates and times under \a locale:
/// its short date with a four-digit year, a blank, its long time without a time-zone field.
QString dateTimeFormat(const QLocale &locale);
QString dateFormat(const QLocale &locale);
QString timeFormat(const QLocale &locale);

/// A date and time as regional text; midnight is written as the date alone and a time on the zero date
/// (30 December 1899) as the time alone.
QString dateTimeToText(const QDateTime &value, const QLocale &locale = QLocale::system());

/// Reads a text written by dateTimeToText back, its digits in any script; throws "Type mismatch" when it is not a date
/// and time.
/// A time that the local clock skips on its date (a daylight-saving gap) keeps its time of day, on an earlier date.
QDateTime textToDateTime(const QString &text, const QLocale &locale = QLocale::system());

/// The zero date of stored times.
QDate zeroDate();

} // namespace SettingConversions
