// The setting text conversions over arbitrary text, under several locales.

#include "fuzzcheck.h"
#include "settingconversions.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>

#include <cstdint>
#include <cstring>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QLocale &localeFor(std::uint8_t selector) {
    static const QLocale locales[] = {QLocale::c(),        QLocale(u"en_US"_s), QLocale(u"de_DE"_s),
                                      QLocale(u"fr_FR"_s), QLocale(u"ja_JP"_s), QLocale(u"ar_EG"_s),
                                      QLocale(u"fa_IR"_s), QLocale(u"en_GB"_s), QLocale(u"sq_AL"_s),
                                      QLocale(u"as_IN"_s), QLocale(u"ne_NP"_s), QLocale(u"ff_Adlm_GN"_s)};
    return locales[selector % std::size(locales)];
}

// Any value a time picker can hold, from eight bytes: a day within the pickers' years and a whole second.
QDateTime pickerValue(const std::uint8_t *bytes) {
    std::uint32_t day = 0;
    std::uint32_t second = 0;
    std::memcpy(&day, bytes, 4);
    std::memcpy(&second, bytes + 4, 4);
    const QDate first(100, 1, 1);
    const qint64 days = first.daysTo(QDate(9999, 12, 31)) + 1;
    return {first.addDays(day % days), QTime(0, 0).addSecs(second % 86400)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 9) {
        return 0;
    }
    const QLocale &locale = localeFor(data[0]);
    const QDateTime value = pickerValue(data + 1);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 9), static_cast<qsizetype>(size - 9));
    namespace C = SettingConversions;

    try {
        const qint16 index = C::toInt16(text);
        fuzzCheck(C::toInt16(QString::number(index)) == index, "toInt16 does not read its own number back", text);
    } catch (const std::runtime_error &) {
    }

    try {
        const double leading = C::leadingNumber(text);
        try {
            fuzzCheck(C::toPosition(text) == static_cast<int>(C::roundHalfEven(leading)),
                      "toPosition is not the rounded leading number", text);
        } catch (const std::runtime_error &) {
            fuzzCheck(C::roundHalfEven(leading) < -2147483648.0 || C::roundHalfEven(leading) > 2147483647.0,
                      "toPosition fails on a number that fits", text);
        }
    } catch (const std::runtime_error &) {
    }

    // Whatever text reads as a date and time writes back to a text that reads as the same value.
    try {
        const QDateTime read = C::textToDateTime(text, locale);
        fuzzCheck(read.isValid(), "textToDateTime gave an invalid value", text);
        const QDateTime again = C::textToDateTime(C::dateTimeToText(read, locale), locale);
        fuzzCheck(again == read, "a value read from text does not survive writing", text);
    } catch (const std::runtime_error &) {
    }

    // Every value a picker can hold survives the store.
    const QString stored = C::dateTimeToText(value, locale);
    QDateTime back;
    try {
        back = C::textToDateTime(stored, locale);
    } catch (const std::runtime_error &) {
        fuzzCheck(false, "a stored picker value does not read back", locale.name() + u' ' + stored);
    }
    fuzzCheck(
        back == value, "a stored picker value reads back different",
        u"%1 %2 -> %3 -> %4"_s.arg(locale.name(), value.toString(Qt::ISODate), stored, back.toString(Qt::ISODate)));
    return 0;
}
