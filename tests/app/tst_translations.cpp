#include "form1.h"
#include "generatednoise.h"
#include "translations.h"
#include "traymenu.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readCatalogue(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.name() == u"message"_s) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == u"source"_s) {
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation"_s) {
            messages.last().type = xml.attributes().value(u"type"_s).toString();
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

QStringList markers(const QString &text) {
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(u"%\\d"_s).globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

bool hasAccelerator(const QString &text) {
    return QRegularExpression(u"&[^&\\s]"_s).match(text).hasMatch();
}

const QString CatalogueFolder = QStringLiteral(SOMNIVOX_SOURCE_DIR "/translations");

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void program_carriesEveryLanguage() {
        const QStringList expected{u"ar"_s, u"de"_s, u"es"_s,    u"fr"_s, u"it"_s, u"ja"_s,
                                   u"nl"_s, u"pl"_s, u"pt_BR"_s, u"ru"_s, u"uk"_s, u"zh_CN"_s};
        QCOMPARE(Translations::available(), expected);
        QStringList sources = QDir(CatalogueFolder).entryList({u"somnivox_*.ts"_s}, QDir::Files, QDir::Name);
        sources.replaceInStrings(QRegularExpression(u"^somnivox_(.*)\\.ts$"_s), u"\\1"_s);
        QCOMPARE(sources, expected);
    }

    void catalogue_translatesEveryTextOfTheProgram_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : Translations::available()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void catalogue_translatesEveryTextOfTheProgram() {
        QFETCH(QString, language);
        static QSet<std::pair<QString, QString>> program;
        if (program.isEmpty()) {
            // What the sources hold now, gathered as the catalogues are: a text changed in the code and not in a
            // catalogue would be shown in English.
            QTemporaryDir scratch;
            const QString gathered = scratch.filePath(u"somnivox_de.ts"_s);
            QProcess lupdate;
            lupdate.start(QStringLiteral(LUPDATE), {u"-silent"_s, u"-locations"_s, u"none"_s,
                                                    QStringLiteral(SOMNIVOX_SOURCE_DIR "/src"), u"-ts"_s, gathered});
            QVERIFY(lupdate.waitForFinished(60000));
            QCOMPARE(lupdate.exitCode(), 0);
            for (const Message &message : readCatalogue(gathered)) {
                program.insert({message.context, message.source});
            }
            QVERIFY(program.size() > 50);
        }
        QSet<std::pair<QString, QString>> translated;
        for (const Message &message : readCatalogue(CatalogueFolder + u"/somnivox_"_s + language + u".ts"_s)) {
            const QString where = message.context + u": "_s + message.source;
            QVERIFY2(message.type.isEmpty(), qPrintable(where + u" is "_s + message.type));
            QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(where + u" has no translation"_s));
            QVERIFY2(markers(message.translation) == markers(message.source),
                     qPrintable(where + u" lost or gained a %N marker: "_s + message.translation));
            QVERIFY2(hasAccelerator(message.translation) == hasAccelerator(message.source),
                     qPrintable(where + u" lost or gained its accelerator: "_s + message.translation));
            translated.insert({message.context, message.source});
        }
        for (const auto &[context, source] : program - translated) {
            QFAIL(qPrintable(context + u": "_s + source + u" is not in the catalogue"_s));
        }
    }

    // A key pressed in an open menu chooses one item only: the items of each menu take letters of their own.
    void trayMenu_givesEachItemItsOwnKey_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << u"C"_s;
        for (const QString &language : Translations::available()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void trayMenu_givesEachItemItsOwnKey() {
        QFETCH(QString, language);
        const Translations translations{QLocale(language)};
        const TrayMenu menu;
        for (const int parent : {int(TrayMenu::Root), int(TrayMenu::SleepTimer), int(TrayMenu::Output)}) {
            QHash<QString, QString> taken;
            for (const TrayMenu::Item &item : menu.children(parent)) {
                const QRegularExpressionMatch key = QRegularExpression(u"&([^&\\s])"_s).match(item.label);
                if (!key.hasMatch()) {
                    continue;
                }
                const QString letter = key.captured(1).toLower();
                QVERIFY2(!taken.contains(letter),
                         qPrintable(item.label + u" takes the key of "_s + taken.value(letter)));
                taken.insert(letter, item.label);
            }
        }
    }

    void language_followsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("turnOn");
        // A standard button's caption, from Qt's own catalogue.
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("C") << u"C"_s << QString() << u"Turn On"_s << u"Cancel"_s << Qt::LeftToRight;
        QTest::newRow("English") << u"en_US"_s << QString() << u"Turn On"_s << u"Cancel"_s << Qt::LeftToRight;
        QTest::newRow("German") << u"de_DE"_s << u"de"_s << u"Einschalten"_s << u"Abbrechen"_s << Qt::LeftToRight;
        QTest::newRow("German of Austria")
            << u"de_AT"_s << u"de"_s << u"Einschalten"_s << u"Abbrechen"_s << Qt::LeftToRight;
        QTest::newRow("Brazilian Portuguese")
            << u"pt_BR"_s << u"pt_BR"_s << u"Ligar"_s << u"Cancelar"_s << Qt::LeftToRight;
        QTest::newRow("Simplified Chinese") << u"zh_CN"_s << u"zh_CN"_s << u"打开"_s << u"取消"_s << Qt::LeftToRight;
        QTest::newRow("C, whatever LANGUAGE lists")
            << u"system"_s << QString() << u"Turn On"_s << u"Cancel"_s << Qt::LeftToRight;
        QTest::newRow("Arabic of Egypt") << u"ar_EG"_s << u"ar"_s << u"تشغيل"_s << u"ألغِ"_s << Qt::RightToLeft;
    }

    void language_followsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, turnOn);
        QFETCH(QString, cancel);
        QFETCH(Qt::LayoutDirection, direction);
        const auto leftToRight = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        {
            // The test runs under LANG=C with LANGUAGE=de:fr, which the system's C locale ignores.
            const Translations translations{locale == u"system"_s ? QLocale::system() : QLocale(locale)};
            QCOMPARE(translations.language(), language);
            QCOMPARE(Form1::tr("Turn On"), turnOn);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
            QCOMPARE(QGuiApplication::layoutDirection(), direction);
        }
        QCOMPARE(Form1::tr("Turn On"), u"Turn On"_s);
    }

    void generatedNoise_isShownTranslatedAndStoredByItsOwnName() {
        const Translations german{QLocale(u"de_DE"_s)};
        QCOMPARE(GeneratedNoise::displayName(u"Pink Noise"_s), u"Rosa Rauschen"_s);
        QCOMPARE(GeneratedNoise::styleOf(u"Rosa Rauschen"_s), u"Pink Noise"_s);
        QCOMPARE(GeneratedNoise::styleOf(u"Pink Noise"_s), u"Pink Noise"_s);
        QCOMPARE(GeneratedNoise::displayName(u"My Rain"_s), u"My Rain"_s);
        QCOMPARE(GeneratedNoise::styleOf(u"My Rain"_s), u"My Rain"_s);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
