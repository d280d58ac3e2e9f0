#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

/// The program's command line: what it asks of the running program, read without a display so that a terminal or a
/// key binding can steer the program. Every text a user sees here is one line.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    /// The program's exit codes.
    enum ExitCode {
        Done = 0,
        NoAnswer = 1,   ///< a running program did not answer in time
        BadUsage = 2,   ///< nothing was changed
        NotRunning = 3, ///< a question for the running program, and none runs
    };

    /// How long a command waits for the running program's answer.
    static constexpr int AnswerMs = 2000;
    /// The longest sleep timer.
    static constexpr std::chrono::hours LongestSleep{24};

    enum class Power { Keep, TurnOn, TurnOff, Toggle };
    enum class Query { None, Status, ListStyles, ListOutputs };

    /// What the running program is to do, in this order: style, output, volume, power, sleep timer; or a question.
    struct Command {
        Power power = Power::Keep;
        Query query = Query::None;
        std::optional<QString> style;
        /// An output's stable name or description, or "default".
        std::optional<QString> output;
        std::optional<int> volume;
        /// Zero cancels the timer.
        std::optional<std::chrono::seconds> sleep;

        bool isEmpty() const;
        /// Only the running program can answer it: without one, nothing is started.
        bool isQuery() const { return query != Query::None; }
        /// The same command as arguments that parse() reads back.
        QStringList toArguments() const;
    };

    enum class Outcome { Run, Help, Version, Bad };

    struct Parsed {
        Outcome outcome = Outcome::Run;
        Command command;
        /// The help, the version or the line telling what is wrong.
        QString text;
    };

    /// Reads \a arguments, the program's name first.
    static Parsed parse(const QStringList &arguments);
    /// Reads a sleep timer's length: whole minutes ("30"), hours, minutes and seconds in that order ("1h30m", "45s"),
    /// or "off" (zero). Nothing for anything else, a length of zero or one longer than LongestSleep.
    static std::optional<std::chrono::seconds> parseDuration(const QString &text);
    /// Reads a volume: a whole number from 1 to 100, the range of the window's slider.
    static std::optional<int> parseVolume(const QString &text);
};
