#include "settingconversions.h"

#include <QProcess>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace SettingConversions;

namespace {

// Every locale Qt has formats for, and the ones installed here as the C library names them.
QList<QLocale> everyLocale() {
    QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QProcess installed;
    installed.start(u"locale"_s, {u"-a"_s});
    if (installed.waitForFinished()) {
        for (const QString &name : QString::fromLocal8Bit(installed.readAllStandardOutput()).split(u'\n')) {
            if (!name.isEmpty()) {
                locales.append(QLocale(name));
            }
        }
    }
    return locales;
}

// The day and month of the second date could be swapped; midnight is written as the date alone.
QList<QDateTime> windowEdges() {
    QList<QDateTime> values;
    for (const QDate date : {QDate(2026, 12, 8), QDate(2026, 3, 4), zeroDate()}) {
        for (const QTime time : {QTime(0, 0), QTime(10, 0), QTime(12, 0), QTime(22, 15, 30), QTime(23, 59, 59)}) {
            values.append(QDateTime(date, time));
        }
    }
    return values;
}

// What went wrong reading \a value back under \a reader after writing it under \a writer; empty when nothing did.
QString misread(const QDateTime &value, const QLocale &writer, const QLocale &reader, bool timeOfDayOnly) {
    const QString text = dateTimeToText(value, writer);
    QString read;
    try {
        const QDateTime back = textToDateTime(text, reader);
        if (timeOfDayOnly ? back.time() == value.time() : back == value) {
            return {};
        }
        read = back.toString(Qt::ISODate);
    } catch (const std::runtime_error &error) {
        read = QString::fromUtf8(error.what());
    }
    const auto name = [](const QLocale &locale) { return locale == QLocale::c() ? u"C"_s : locale.bcp47Name(); };
    return u"%1 \"%2\" under %3: %4"_s.arg(name(writer), text, name(reader), read);
}

QByteArray report(const QStringList &failures, qsizetype tried) {
    return u"%1 of %2 failed: %3"_s.arg(failures.size()).arg(tried).arg(failures.mid(0, 8).join(u"; "_s)).toUtf8();
}

} // namespace

class TestSettingConversions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toInt16_roundsHalvesToEvenAndRejectsNonNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("failure");
        QTest::newRow("zero") << u"0"_s << 0 << QString();
        QTest::newRow("index") << u"3"_s << 3 << QString();
        QTest::newRow("blanks around") << u" 7 "_s << 7 << QString();
        QTest::newRow("negative") << u"-1"_s << -1 << QString();
        QTest::newRow("half down to even") << u"2.5"_s << 2 << QString();
        QTest::newRow("half up to even") << u"3.5"_s << 4 << QString();
        QTest::newRow("largest") << u"32767"_s << 32767 << QString();
        QTest::newRow("beyond 16 bits") << u"32768"_s << 0 << u"Overflow"_s;
        QTest::newRow("below 16 bits") << u"-32769"_s << 0 << u"Overflow"_s;
        QTest::newRow("word") << u"abc"_s << 0 << u"Type mismatch"_s;
        QTest::newRow("empty") << QString() << 0 << u"Type mismatch"_s;
        QTest::newRow("trailing text") << u"3 items"_s << 0 << u"Type mismatch"_s;
        QTest::newRow("infinity") << u"inf"_s << 0 << u"Type mismatch"_s;
    }
    void toInt16_roundsHalvesToEvenAndRejectsNonNumbers() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(QString, failure);
        try {
            const int value = toInt16(text);
            QVERIFY2(failure.isEmpty(), "expected a failure");
            QCOMPARE(value, expected);
        } catch (const std::runtime_error &error) {
            QCOMPARE(QString::fromUtf8(error.what()), failure);
        }
    }

    void toPosition_readsTheLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << u"50"_s << 50;
        QTest::newRow("50.5 to even") << u"50.5"_s << 50;
        QTest::newRow("51.5 to even") << u"51.5"_s << 52;
        QTest::newRow("75.5") << u"75.5"_s << 76;
        QTest::newRow("74.5") << u"74.5"_s << 74;
        QTest::newRow("unit after it") << u"75 dB"_s << 75;
        QTest::newRow("no number") << u"abc"_s << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("blanks first") << u"   12abc"_s << 12;
        QTest::newRow("comma is no decimal point") << u"12,7"_s << 12;
        QTest::newRow("exponent") << u"1e2"_s << 100;
        QTest::newRow("negative") << u"-3"_s << -3;
        QTest::newRow("fraction only") << u".5"_s << 0;
        QTest::newRow("exponent written d") << u"1D2"_s << 100;
        QTest::newRow("exponent without digits") << u"7e+x"_s << 7;
        QTest::newRow("sign alone") << u"- 5"_s << 0;
        QTest::newRow("point alone") << u".x"_s << 0;
    }
    void toPosition_readsTheLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(toPosition(text), expected);
    }

    void toPosition_hugeNumberOverflows() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, toPosition(u"1e12"_s));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, toPosition(u"9"_s.repeated(400)));
    }

    void dateTime_readsBackWhatItWrites_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("value");
        const QStringList locales{u"en_US"_s, u"de_DE"_s, u"C"_s, u"fr_FR"_s, u"ja_JP"_s, u"ff_Adlm_GN"_s};
        const QList<QDateTime> values{
            QDateTime(QDate(2026, 12, 6), QTime(22, 30, 0)), QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1)),
            QDateTime(QDate(2030, 1, 1), QTime(12, 0, 0)),   QDateTime(QDate(1999, 7, 4), QTime(23, 59, 59)),
            QDateTime(QDate(2026, 3, 1), QTime(0, 0, 0)),    QDateTime(zeroDate(), QTime(6, 15, 30))};
        for (const QString &locale : locales) {
            for (const QDateTime &value : values) {
                QTest::addRow("%s %s", qPrintable(locale), qPrintable(value.toString(Qt::ISODate))) << locale << value;
            }
        }
    }
    void dateTime_readsBackWhatItWrites() {
        QFETCH(QString, locale);
        QFETCH(QDateTime, value);
        const QLocale regional(locale);
        const QString text = dateTimeToText(value, regional);
        QCOMPARE(textToDateTime(text, regional), value);
    }

    void dateTime_everyLocaleReadsBackWhatItWrites() {
        const QList<QDateTime> values = windowEdges();
        QStringList failures;
        qsizetype tried = 0;
        for (const QLocale &locale : everyLocale()) {
            for (const QDateTime &value : values) {
                ++tried;
                if (const QString failure = misread(value, locale, locale, false); !failure.isEmpty()) {
                    failures.append(failure);
                }
            }
        }
        QVERIFY2(failures.isEmpty(), report(failures, tried).constData());
    }

    // Digits of another script must not tie a stored time to the language it was written in.
    void dateTime_nativeDigitsReadUnderAnotherLocale() {
        const QList<QLocale> readers{QLocale::c(), QLocale(u"en_US"_s), QLocale(u"de_DE"_s), QLocale(u"fa_IR"_s)};
        const QList<QDateTime> values{QDateTime(QDate(2026, 3, 4), QTime(10, 0)),
                                      QDateTime(QDate(2026, 12, 8), QTime(22, 15, 30))};
        QStringList failures;
        qsizetype tried = 0;
        for (const QLocale &writer : everyLocale()) {
            if (writer.zeroDigit() == u"0"_s) {
                continue;
            }
            for (const QLocale &reader : readers) {
                for (const QDateTime &value : values) {
                    ++tried;
                    if (const QString failure = misread(value, writer, reader, true); !failure.isEmpty()) {
                        failures.append(failure);
                    }
                }
            }
        }
        QVERIFY2(failures.isEmpty(), report(failures, tried).constData());
    }

    void dateTime_writesMidnightAsTheDateAndTheZeroDateAsTheTime() {
        const QLocale us(u"en_US"_s);
        QCOMPARE(dateTimeToText(QDateTime(QDate(2026, 12, 6), QTime(0, 0)), us), u"12/6/2026"_s);
        const QString timeOnly = dateTimeToText(QDateTime(zeroDate(), QTime(22, 30)), us);
        QVERIFY2(timeOnly.startsWith(u"10:30:00"_s) && !timeOnly.contains(u"1899"_s), qPrintable(timeOnly));
        QVERIFY(!dateTimeToText(QDateTime(QDate(2026, 12, 6), QTime(22, 30)), us).contains(u"UTC"_s));
        QVERIFY(dateTimeToText(QDateTime(QDate(2026, 12, 6), QTime(22, 30)), us).startsWith(u"12/6/2026 10:30:00"_s));
    }

    void dateTime_fractionsOfASecondAreDropped() {
        const QLocale c = QLocale::c();
        const QDateTime value(QDate(2026, 12, 6), QTime(8, 0, 0, 750));
        QCOMPARE(textToDateTime(dateTimeToText(value, c), c), QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0)));
    }

    // A change of language, or of a locale's format with an update of Qt, keeps the stored time window.
    void dateTime_readsTheTimeOfDayWrittenUnderAnotherLocale_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("reader");
        const QStringList locales{u"C"_s, u"de_DE"_s, u"fr_FR"_s, u"en_US"_s, u"ja_JP"_s, u"ar_EG"_s, u"ne_NP"_s};
        for (qsizetype i = 0; i < locales.size(); ++i) {
            const QString &next = locales.at((i + 1) % locales.size());
            QTest::addRow("%s to %s", qPrintable(locales.at(i)), qPrintable(next)) << locales.at(i) << next;
        }
        QTest::newRow("ISO 8601") << QString() << u"de_DE"_s;
    }
    void dateTime_readsTheTimeOfDayWrittenUnderAnotherLocale() {
        QFETCH(QString, writer);
        QFETCH(QString, reader);
        const QDateTime value(QDate(2026, 12, 7), QTime(22, 18, 25));
        const QString text = writer.isEmpty() ? value.toString(Qt::ISODate) : dateTimeToText(value, QLocale(writer));
        QCOMPARE(textToDateTime(text, QLocale(reader)).time(), value.time());
    }

    void dateTime_readsAnEveningWrittenWithACommaAfterTheDayHalf() {
        const QLocale albanian(u"sq_AL"_s);
        QCOMPARE(textToDateTime(u"8.12.2026 10:15:30 E PASDITES,"_s, albanian),
                 QDateTime(QDate(2026, 12, 8), QTime(22, 15, 30)));
        QVERIFY(!dateTimeToText(QDateTime(QDate(2026, 12, 8), QTime(22, 15, 30)), albanian).endsWith(u','));
    }

    void dateTime_textThatIsNoDateFails_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("word") << u"tomorrow"_s;
        QTest::newRow("empty") << QString();
        QTest::newRow("huge") << u"1"_s.repeated(1 << 20);
    }
    void dateTime_textThatIsNoDateFails() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, textToDateTime(text, QLocale(u"en_US"_s)));
    }
};

QTEST_GUILESS_MAIN(TestSettingConversions)
#include "tst_settingconversions.moc"
