#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// No style can have a longer name: it is a file's name.
constexpr qsizetype LongestStyleName = 255;

QString badLine(const QString &program, const QString &reason) {
    return program + u": "_s + reason;
}

} // namespace

bool CommandLine::Command::isEmpty() const {
    return power == Power::Keep && query == Query::None && !style && !output && !volume && !sleep;
}

QStringList CommandLine::Command::toArguments() const {
    QStringList arguments;
    if (query == Query::Status) {
        arguments << u"--status"_s;
    } else if (query == Query::ListStyles) {
        arguments << u"--list-styles"_s;
    } else if (query == Query::ListOutputs) {
        arguments << u"--list-outputs"_s;
    }
    if (style) {
        arguments << u"--style"_s << *style;
    }
    if (output) {
        arguments << u"--output"_s << *output;
    }
    if (volume) {
        arguments << u"--volume"_s << QString::number(*volume);
    }
    switch (power) {
    case Power::Keep:
        break;
    case Power::TurnOn:
        arguments << u"--turn-on"_s;
        break;
    case Power::TurnOff:
        arguments << u"--turn-off"_s;
        break;
    case Power::Toggle:
        arguments << u"--toggle"_s;
        break;
    }
    if (sleep) {
        arguments << u"--sleep"_s << (*sleep == 0s ? u"off"_s : QString::number(sleep->count()) + u's');
    }
    return arguments;
}

std::optional<std::chrono::seconds> CommandLine::parseDuration(const QString &text) {
    if (text == u"off"_s) {
        return 0s;
    }
    // Each part is checked against the longest timer before it is added, so no sum can overflow.
    const auto part = [](const QString &digits, std::chrono::seconds unit) -> std::optional<std::chrono::seconds> {
        if (digits.isEmpty()) {
            return 0s;
        }
        bool ok = false;
        const qulonglong count = digits.toULongLong(&ok);
        if (!ok || count > qulonglong(std::chrono::seconds(LongestSleep) / unit)) {
            return std::nullopt;
        }
        return unit * qint64(count);
    };
    static const QRegularExpression minutes(u"^[0-9]+$"_s);
    static const QRegularExpression parts(u"^(?:([0-9]+)h)?(?:([0-9]+)m)?(?:([0-9]+)s)?$"_s);
    std::optional<std::chrono::seconds> length;
    if (minutes.match(text).hasMatch()) {
        length = part(text, 1min);
    } else if (const QRegularExpressionMatch match = parts.match(text); match.hasMatch()) {
        const std::optional<std::chrono::seconds> hours = part(match.captured(1), 1h);
        const std::optional<std::chrono::seconds> mins = part(match.captured(2), 1min);
        const std::optional<std::chrono::seconds> secs = part(match.captured(3), 1s);
        if (hours && mins && secs) {
            length = *hours + *mins + *secs;
        }
    }
    // An empty text matches no part at all, and a timer of no length is no timer.
    if (!length || *length <= 0s || *length > LongestSleep) {
        return std::nullopt;
    }
    return length;
}

std::optional<int> CommandLine::parseVolume(const QString &text) {
    static const QRegularExpression digits(u"^[0-9]{1,3}$"_s);
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    const int volume = text.toInt();
    if (volume < 1 || volume > 100) {
        return std::nullopt;
    }
    return volume;
}

CommandLine::Parsed CommandLine::parse(const QStringList &arguments) {
    const QString program = arguments.isEmpty() ? u"somnivox"_s : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Loops an ambient noise sound, all night or inside a daily time window. An option steers the running "
           "program, or starts it and then does what it says."));
    const QCommandLineOption turnOn(u"turn-on"_s, tr("Turns the sound on, as the window's Turn On does."));
    const QCommandLineOption turnOff(u"turn-off"_s, tr("Turns the sound off, as the window's Turn Off does."));
    const QCommandLineOption toggle(u"toggle"_s, tr("Turns the sound on when it is off, and off when it is on."));
    const QCommandLineOption sleep(
        u"sleep"_s,
        tr("Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds "
           "(1h30m, 20m, 45s). \"off\" stops the timer."),
        tr("DURATION"));
    const QCommandLineOption style(u"style"_s, tr("Chooses the style NAME, one that --list-styles lists."), tr("NAME"));
    const QCommandLineOption output(
        u"output"_s,
        tr("Plays through the output NAME, a stable name or a description that --list-outputs lists, or \"default\" "
           "for the system's default output."),
        tr("NAME"));
    const QCommandLineOption volume(u"volume"_s, tr("Sets the volume, from 1 to 100."), tr("N"));
    const QCommandLineOption status(u"status"_s, tr("Prints the running program's state as \"key: value\" lines."));
    const QCommandLineOption listStyles(u"list-styles"_s, tr("Prints the styles that can be played, one a line."));
    const QCommandLineOption listOutputs(
        u"list-outputs"_s,
        tr("Prints the sound server's outputs, one a line: the stable name, a tab, the description."));
    const QCommandLineOption help({u"h"_s, u"help"_s}, tr("Prints this help."));
    const QCommandLineOption version({u"v"_s, u"version"_s}, tr("Prints the program's version."));
    // A session manager restores the program with Qt's "-session ID", which restores nothing here.
    QCommandLineOption session(u"session"_s, QString(), u"ID"_s);
    session.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({turnOn, turnOff, toggle, sleep, style, output, volume, status, listStyles, listOutputs, help,
                       version, session});

    Parsed parsed;
    const auto bad = [&](const QString &reason) {
        parsed.outcome = Outcome::Bad;
        parsed.text = badLine(program, reason);
        return parsed;
    };
    if (!parser.parse(arguments)) {
        return bad(parser.errorText());
    }
    if (parser.isSet(help)) {
        parsed.outcome = Outcome::Help;
        // The parser names the program after an application object, which is not made for the help.
        const QString help = parser.helpText();
        parsed.text = tr("Usage: %1 [options]").arg(program) + help.sliced(qMax(help.indexOf(u'\n'), 0));
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.outcome = Outcome::Version;
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return bad(tr("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    }
    for (const QString &name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1) {
            return bad(tr("--%1 is given more than once").arg(name));
        }
    }

    Command &command = parsed.command;
    const QList<std::pair<const QCommandLineOption *, Power>> powers = {
        {&turnOn, Power::TurnOn}, {&turnOff, Power::TurnOff}, {&toggle, Power::Toggle}};
    for (const auto &[option, power] : powers) {
        if (!parser.isSet(*option)) {
            continue;
        }
        if (command.power != Power::Keep) {
            return bad(tr("--turn-on, --turn-off and --toggle exclude one another"));
        }
        command.power = power;
    }
    if (parser.isSet(style)) {
        const QString name = parser.value(style);
        if (name.isEmpty() || name.size() > LongestStyleName) {
            return bad(tr("\"%1\" is not a listed style (--list-styles lists them)").arg(name));
        }
        command.style = name;
    }
    if (parser.isSet(output)) {
        const QString name = parser.value(output);
        if (name.trimmed().isEmpty()) {
            return bad(tr("--output takes an output's name (--list-outputs lists them) or \"default\""));
        }
        command.output = name;
    }
    if (parser.isSet(volume)) {
        command.volume = parseVolume(parser.value(volume));
        if (!command.volume) {
            return bad(tr("--volume takes a whole number from 1 to 100, not \"%1\"").arg(parser.value(volume)));
        }
    }
    if (parser.isSet(sleep)) {
        command.sleep = parseDuration(parser.value(sleep));
        if (!command.sleep) {
            return bad(tr("--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or "
                          "\"off\", not \"%1\"")
                           .arg(parser.value(sleep)));
        }
        if (*command.sleep > 0s && command.power == Power::TurnOff) {
            return bad(tr("--sleep cannot run a timer for a program that --turn-off turns off"));
        }
    }
    const QList<std::pair<const QCommandLineOption *, Query>> queries = {
        {&status, Query::Status}, {&listStyles, Query::ListStyles}, {&listOutputs, Query::ListOutputs}};
    QString asked;
    for (const auto &[option, query] : queries) {
        if (!parser.isSet(*option)) {
            continue;
        }
        if (command.isQuery()) {
            return bad(tr("--status, --list-styles and --list-outputs exclude one another"));
        }
        command.query = query;
        asked = option->names().constFirst();
    }
    if (command.isQuery() &&
        (command.power != Power::Keep || command.style || command.output || command.volume || command.sleep)) {
        return bad(tr("--%1 asks a question and takes no other option").arg(asked));
    }
    return parsed;
}
