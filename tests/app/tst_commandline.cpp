#include "commandline.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

using Command = CommandLine::Command;
using Power = CommandLine::Power;
using Query = CommandLine::Query;
using Outcome = CommandLine::Outcome;

Q_DECLARE_METATYPE(Command)

namespace {

Command command(Power power, std::optional<QString> style = {}, std::optional<int> volume = {},
                std::optional<std::chrono::seconds> sleep = {}, Query query = Query::None) {
    Command made;
    made.power = power;
    made.style = std::move(style);
    made.volume = volume;
    made.sleep = sleep;
    made.query = query;
    return made;
}

Command sleepFor(std::chrono::seconds length) {
    return command(Power::Keep, {}, {}, length);
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_arguments_giveTheCommandOrOneLineTellingWhatIsWrong_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Command>("expected");
        QTest::addColumn<QString>("named");

        const Command none;
        QTest::newRow("nothing: a plain start") << QStringList{} << Outcome::Run << none << QString();
        QTest::newRow("turn on") << QStringList{u"--turn-on"_s} << Outcome::Run << command(Power::TurnOn) << QString();
        QTest::newRow("turn off") << QStringList{u"--turn-off"_s} << Outcome::Run << command(Power::TurnOff)
                                  << QString();
        QTest::newRow("toggle") << QStringList{u"--toggle"_s} << Outcome::Run << command(Power::Toggle) << QString();
        QTest::newRow("style, volume and turn on together")
            << QStringList{u"--style"_s, u"Pink Noise"_s, u"--volume=30"_s, u"--turn-on"_s} << Outcome::Run
            << command(Power::TurnOn, u"Pink Noise"_s, 30) << QString();
        QTest::newRow("status") << QStringList{u"--status"_s} << Outcome::Run
                                << command(Power::Keep, {}, {}, {}, Query::Status) << QString();
        QTest::newRow("list styles") << QStringList{u"--list-styles"_s} << Outcome::Run
                                     << command(Power::Keep, {}, {}, {}, Query::ListStyles) << QString();
        QTest::newRow("list outputs") << QStringList{u"--list-outputs"_s} << Outcome::Run
                                      << command(Power::Keep, {}, {}, {}, Query::ListOutputs) << QString();
        Command output;
        output.output = u"Speakers & Co"_s;
        QTest::newRow("output by its description")
            << QStringList{u"--output"_s, u"Speakers & Co"_s} << Outcome::Run << output << QString();
        QTest::newRow("help wins") << QStringList{u"--volume"_s, u"30"_s, u"--help"_s} << Outcome::Help << none
                                   << u"Usage: somnivox"_s;
        QTest::newRow("version") << QStringList{u"--version"_s} << Outcome::Version << none << QString();
        QTest::newRow("a session manager's restart: a plain start")
            << QStringList{u"-session"_s, u"10d4c1a2b3-1"_s} << Outcome::Run << none << QString();

        QTest::newRow("sleep: plain minutes")
            << QStringList{u"--sleep"_s, u"90"_s} << Outcome::Run << sleepFor(90min) << QString();
        QTest::newRow("sleep: hours and minutes")
            << QStringList{u"--sleep"_s, u"1h30m"_s} << Outcome::Run << sleepFor(90min) << QString();
        QTest::newRow("sleep: seconds") << QStringList{u"--sleep"_s, u"45s"_s} << Outcome::Run << sleepFor(45s)
                                        << QString();
        QTest::newRow("sleep: minutes") << QStringList{u"--sleep"_s, u"20m"_s} << Outcome::Run << sleepFor(20min)
                                        << QString();
        QTest::newRow("sleep: all three parts")
            << QStringList{u"--sleep"_s, u"1h2m3s"_s} << Outcome::Run << sleepFor(3723s) << QString();
        QTest::newRow("sleep: the longest")
            << QStringList{u"--sleep"_s, u"24h"_s} << Outcome::Run << sleepFor(24h) << QString();
        QTest::newRow("sleep: off cancels")
            << QStringList{u"--sleep"_s, u"off"_s} << Outcome::Run << sleepFor(0s) << QString();
        QTest::newRow("sleep off with turn off") << QStringList{u"--sleep"_s, u"off"_s, u"--turn-off"_s} << Outcome::Run
                                                 << command(Power::TurnOff, {}, {}, 0s) << QString();
        QTest::newRow("volume: lowest") << QStringList{u"--volume"_s, u"1"_s} << Outcome::Run
                                        << command(Power::Keep, {}, 1) << QString();
        QTest::newRow("volume: highest") << QStringList{u"--volume"_s, u"100"_s} << Outcome::Run
                                         << command(Power::Keep, {}, 100) << QString();

        const auto bad = [&](const char *name, const QStringList &arguments, const QString &named) {
            QTest::newRow(name) << arguments << Outcome::Bad << none << named;
        };
        bad("sleep: zero", {u"--sleep"_s, u"0"_s}, u"\"0\""_s);
        bad("sleep: zero in parts", {u"--sleep"_s, u"0h0m"_s}, u"--sleep"_s);
        bad("sleep: unknown unit", {u"--sleep"_s, u"5x"_s}, u"\"5x\""_s);
        bad("sleep: a part twice", {u"--sleep"_s, u"1h1h"_s}, u"--sleep"_s);
        bad("sleep: parts out of order", {u"--sleep"_s, u"30m1h"_s}, u"--sleep"_s);
        bad("sleep: negative", {u"--sleep"_s, u"-5"_s}, u"--sleep"_s);
        bad("sleep: empty", {u"--sleep"_s, QString()}, u"--sleep"_s);
        bad("sleep: a unit alone", {u"--sleep"_s, u"h"_s}, u"--sleep"_s);
        bad("sleep: a blank inside", {u"--sleep"_s, u"1h 30m"_s}, u"--sleep"_s);
        bad("sleep: past the longest", {u"--sleep"_s, u"24h1s"_s}, u"--sleep"_s);
        bad("sleep: minutes that overflow", {u"--sleep"_s, u"99999999999999999999999"_s}, u"--sleep"_s);
        bad("sleep: hours that overflow seconds", {u"--sleep"_s, u"9223372036854775807h"_s}, u"--sleep"_s);
        bad("sleep: no value", {u"--sleep"_s}, u"sleep"_s);
        bad("volume: zero", {u"--volume"_s, u"0"_s}, u"\"0\""_s);
        bad("volume: above 100", {u"--volume"_s, u"101"_s}, u"\"101\""_s);
        bad("volume: not a number", {u"--volume"_s, u"abc"_s}, u"\"abc\""_s);
        bad("volume: a fraction", {u"--volume"_s, u"50.5"_s}, u"--volume"_s);
        bad("volume: a sign", {u"--volume"_s, u"+50"_s}, u"--volume"_s);
        bad("volume: overflowing", {u"--volume"_s, u"4294967346"_s}, u"--volume"_s);
        bad("style: empty", {u"--style"_s, QString()}, u"style"_s);
        bad("unknown option", {u"--colour"_s, u"x"_s}, u"colour"_s);
        bad("output: blank", {u"--output"_s, u" "_s}, u"--output"_s);
        bad("list outputs and an output", {u"--list-outputs"_s, u"--output"_s, u"x"_s}, u"--list-outputs"_s);
        bad("a word that is no option", {u"turn-on"_s}, u"turn-on"_s);
        bad("turn on and off", {u"--turn-on"_s, u"--turn-off"_s}, u"--turn-on"_s);
        bad("turn on and toggle", {u"--toggle"_s, u"--turn-on"_s}, u"--toggle"_s);
        bad("the same option twice", {u"--volume"_s, u"30"_s, u"--volume"_s, u"40"_s}, u"--volume"_s);
        bad("a timer for a program turned off", {u"--turn-off"_s, u"--sleep"_s, u"30"_s}, u"--sleep"_s);
        bad("status and a change", {u"--status"_s, u"--turn-on"_s}, u"--status"_s);
        bad("status and list styles", {u"--status"_s, u"--list-styles"_s}, u"--status"_s);
        bad("list styles and a style", {u"--list-styles"_s, u"--style"_s, u"Pink Noise"_s}, u"--list-styles"_s);
    }

    void parse_arguments_giveTheCommandOrOneLineTellingWhatIsWrong() {
        QFETCH(QStringList, arguments);
        QFETCH(Outcome, outcome);
        QFETCH(Command, expected);
        QFETCH(QString, named);
        const CommandLine::Parsed parsed = CommandLine::parse(QStringList{u"/usr/bin/somnivox"_s} + arguments);
        QCOMPARE(parsed.outcome, outcome);
        QVERIFY2(parsed.text.contains(named), qPrintable(parsed.text));
        if (outcome == Outcome::Bad) {
            QVERIFY(parsed.text.startsWith(u"somnivox: "_s));
            QVERIFY(!parsed.text.contains(u'\n'));
            return;
        }
        const Command &got = parsed.command;
        QCOMPARE(got.power, expected.power);
        QCOMPARE(got.query, expected.query);
        QCOMPARE(got.style, expected.style);
        QCOMPARE(got.output, expected.output);
        QCOMPARE(got.volume, expected.volume);
        QCOMPARE(got.sleep, expected.sleep);
        // What is sent to the running program reads back as the same command.
        const Command again = CommandLine::parse(QStringList{u"somnivox"_s} + got.toArguments()).command;
        QCOMPARE(again.power, got.power);
        QCOMPARE(again.query, got.query);
        QCOMPARE(again.style, got.style);
        QCOMPARE(again.output, got.output);
        QCOMPARE(again.volume, got.volume);
        QCOMPARE(again.sleep, got.sleep);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
