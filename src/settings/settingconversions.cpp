#include "settingconversions.h"

#include <QList>
#include <QLocale>
#include <QSet>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;

namespace SettingConversions {

double roundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even unless someone changed it.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

qint16 toInt16(const QString &text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok) {
        value = QLocale::system().toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        throw std::runtime_error("Type mismatch");
    }
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max()) {
        throw std::runtime_error("Overflow");
    }
    return static_cast<qint16>(rounded);
}

double leadingNumber(const QString &text) {
    // By hand: a regular expression would load its engine into every start, which reads numbers from the settings.
    const auto at = [&text](qsizetype i) { return i < text.size() ? text.at(i).unicode() : char16_t(0); };
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    qsizetype i = 0;
    while (at(i) == u' ' || at(i) == u'\t' || at(i) == u'\r' || at(i) == u'\n') {
        ++i;
    }
    const qsizetype start = i;
    if (at(i) == u'+' || at(i) == u'-') {
        ++i;
    }
    const auto digitsFrom = [&](qsizetype from) {
        while (isDigit(at(from))) {
            ++from;
        }
        return from;
    };
    const qsizetype whole = i;
    i = digitsFrom(whole);
    if (at(i) == u'.' && (i > whole || isDigit(at(i + 1)))) {
        i = digitsFrom(i + 1);
    }
    if (i == whole) {
        return 0.0;
    }
    // An exponent counts only with its digits.
    qsizetype exponent = i;
    const char16_t mark = at(exponent);
    if (mark == u'e' || mark == u'E' || mark == u'd' || mark == u'D') {
        ++exponent;
        if (at(exponent) == u'+' || at(exponent) == u'-') {
            ++exponent;
        }
        if (isDigit(at(exponent))) {
            i = digitsFrom(exponent);
        }
    }
    QString digits = text.mid(start, i - start);
    digits.replace(u'd', u'e').replace(u'D', u'e');
    bool ok = false;
    const double value = QLocale::c().toDouble(digits, &ok);
    if (!ok || !std::isfinite(value)) {
        throw std::runtime_error("Overflow");
    }
    return value;
}

int toPosition(const QString &text) {
    const double rounded = roundHalfEven(leadingNumber(text));
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) {
        throw std::runtime_error("Overflow");
    }
    return static_cast<int>(rounded);
}

QString dateFormat(const QLocale &locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years read back as 19xx: always write four.
    QString fourDigitYears;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) != u'y') {
            fourDigitYears += format.at(i);
        } else if (i == 0 || format.at(i - 1) != u'y') {
            fourDigitYears += u"yyyy"_s;
        }
    }
    return fourDigitYears;
}

namespace {

// The long time without its time-zone field, which does not read back; the blanks around the field go with it. By
// hand: a regular expression would load its engine into every start.
QString longTimeWithoutZone(const QLocale &locale) {
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString format;
    for (qsizetype i = 0; i < longFormat.size();) {
        if (longFormat.at(i) != u't') {
            format += longFormat.at(i++);
            continue;
        }
        while (!format.isEmpty() && format.back().isSpace()) {
            format.chop(1);
        }
        while (i < longFormat.size() && (longFormat.at(i) == u't' || longFormat.at(i).isSpace())) {
            ++i;
        }
        format += u' ';
    }
    return format.trimmed();
}

} // namespace

QString timeFormat(const QLocale &locale) {
    QString format = longTimeWithoutZone(locale);
    // Qt cannot read the shorter day-half name back when anything follows it ("10:15:30 E PASDITES,"), so the comma
    // that led to the time zone does not stay behind it.
    if (format.endsWith(u"AP,"_s)) {
        format.chop(1);
    }
    return format;
}

QString dateTimeFormat(const QLocale &locale) {
    return dateFormat(locale) + u' ' + timeFormat(locale);
}

QDate zeroDate() {
    return {1899, 12, 30};
}

QString dateTimeToText(const QDateTime &value, const QLocale &locale) {
    const QTime time = value.time();
    if (time.msecsSinceStartOfDay() == 0) {
        return locale.toString(value.date(), dateFormat(locale));
    }
    const QTime wholeSeconds(time.hour(), time.minute(), time.second());
    if (value.date() == zeroDate()) {
        return locale.toString(wholeSeconds, timeFormat(locale));
    }
    return locale.toString(value.date(), dateFormat(locale)) + u' ' + locale.toString(wholeSeconds, timeFormat(locale));
}

namespace {

// A time of day that the local clock skips on its date (a daylight-saving gap) is no local date and time there; the
// time of day is what counts, so it is kept, on the nearest earlier date that has it.
QDateTime localDateTime(QDate date, QTime time) {
    QDateTime value(date, time);
    for (int day = 1; !value.isValid() && day <= 7; ++day) {
        value = QDateTime(date.addDays(-day), time);
    }
    return value;
}

} // namespace

namespace {

// Far longer than any locale writes a date and time; longer text is not tried against every locale.
constexpr qsizetype LongestDateTimeText = 64;

std::optional<QDateTime> readAs(const QString &text, const QLocale &reader, const QString &datePart,
                                const QString &timePart) {
    const QString format = datePart + u' ' + timePart;
    if (QDateTime full = reader.toDateTime(text, format); full.isValid()) {
        return full;
    }
    // Read again in UTC, which skips no time, to tell a time in a local gap from text that is no date and time.
    if (const QDateTime utc = reader.toDateTime(text + u" UTC"_s, format + u" t"_s); utc.isValid()) {
        return localDateTime(utc.date(), utc.time());
    }
    if (const QDate date = reader.toDate(text, datePart); date.isValid()) {
        return localDateTime(date, QTime(0, 0));
    }
    if (const QTime time = reader.toTime(text, timePart); time.isValid()) {
        return QDateTime(zeroDate(), time);
    }
    return std::nullopt;
}

std::optional<QDateTime> readAs(const QString &text, const QLocale &locale) {
    QStringList timeFormats{timeFormat(locale)};
    // Text written while the time kept the comma after its day half.
    if (const QString earlier = longTimeWithoutZone(locale); earlier != timeFormats.constFirst()) {
        timeFormats.append(earlier);
    }
    // Qt 6.4 misreads a day-half name other than C's: the shorter of two not at all when anything follows it
    // ("অপৰাহ্ন 10.15.30"), and some (Ewe's "ŊDI") reading past the end of its own text. Such a name is read as C's, as
    // long as the other, with the locale's formats; the digits are plain by now. The longer name is looked for first,
    // lest a shorter one inside it be taken for it.
    std::pair<QString, QString> dayHalves[] = {{locale.amText(), u"AM"_s}, {locale.pmText(), u"PM"_s}};
    if (dayHalves[0].first.size() < dayHalves[1].first.size()) {
        std::swap(dayHalves[0], dayHalves[1]);
    }
    QString readText = text;
    QLocale reader = locale;
    for (const auto &[name, plain] : dayHalves) {
        const qsizetype at = name.isEmpty() ? -1 : text.indexOf(name, 0, Qt::CaseInsensitive);
        if (at >= 0 && name.compare(plain, Qt::CaseInsensitive) != 0) {
            readText = QString(text).replace(at, name.size(), plain);
            reader = QLocale::c();
            break;
        }
    }
    for (const QString &time : timeFormats) {
        if (std::optional<QDateTime> value = readAs(readText, reader, dateFormat(locale), time)) {
            return value;
        }
    }
    return std::nullopt;
}

// Digits of any script as ASCII ones, which every locale reads; Qt cannot read those beyond 16 bits (Adlam, Chakma)
// at all.
QString withAsciiDigits(const QString &text) {
    QString ascii;
    ascii.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
        }
        if (QChar::category(code) == QChar::Number_DecimalDigit && code >= 0x80) {
            ascii += QChar(char16_t(u'0' + QChar::digitValue(code)));
            i += pair ? 1 : 0;
        } else {
            ascii += text.at(i);
        }
    }
    return ascii;
}

// One locale for each way of writing a date and time; names of months and days count as a way of their own.
const QList<QLocale> &everyWayOfWriting() {
    static const QList<QLocale> locales = [] {
        QList<QLocale> distinct;
        QSet<QString> seen;
        for (const QLocale &locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            QString way = dateTimeFormat(locale);
            if (way.contains(u"MMM"_s) || way.contains(u"ddd"_s) || way.contains(u'a', Qt::CaseInsensitive)) {
                way += locale.name();
            }
            if (!seen.contains(way)) {
                seen.insert(way);
                distinct.append(locale);
            }
        }
        return distinct;
    }();
    return locales;
}

} // namespace

QDateTime textToDateTime(const QString &text, const QLocale &locale) {
    const QString trimmed = withAsciiDigits(text.trimmed());
    if (std::optional<QDateTime> value = readAs(trimmed, locale)) {
        return *value;
    }
    // Written under another language, or by a Qt whose formats differ: only the time of day matters to the schedule,
    // so a date whose order is ambiguous does no harm.
    if (trimmed.isEmpty() || trimmed.size() > LongestDateTimeText) {
        throw std::runtime_error("Type mismatch");
    }
    if (std::optional<QDateTime> value = readAs(trimmed, QLocale::c())) {
        return *value;
    }
    if (const QDateTime iso = QDateTime::fromString(trimmed, Qt::ISODate); iso.isValid()) {
        return iso;
    }
    for (const QLocale &other : everyWayOfWriting()) {
        if (std::optional<QDateTime> value = readAs(trimmed, other)) {
            return *value;
        }
    }
    throw std::runtime_error("Type mismatch");
}

} // namespace SettingConversions
