#include "appassembly.h"
#include "buildconfig.h"
#include "commandline.h"
#include "generatednoise.h"
#include "remotecommands.h"
#include "sessionbusprobe.h"
#include "singleinstance.h"
#include "stylelibrary.h"
#include "terminationsignals.h"
#include "translations.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// An answer goes to standard output when the command succeeded, otherwise to standard error.
int print(const SingleInstance::Answer &answer) {
    const QByteArray text = answer.text.toLocal8Bit();
    std::fputs(text.constData(), answer.exitCode == CommandLine::Done ? stdout : stderr);
    return answer.exitCode;
}

int printLine(FILE *stream, const QString &line, int exitCode) {
    std::fputs((line + u'\n').toLocal8Bit().constData(), stream);
    return exitCode;
}

int noAnswer() {
    return printLine(stderr,
                     QCoreApplication::translate("main",
                                                 "somnivox: Somnivox Noise Player is running but did not answer "
                                                 "within %1 seconds.")
                         .arg(CommandLine::AnswerMs / 1000),
                     CommandLine::NoAnswer);
}

// Texts printed before the window's application exists are read in the user's language all the same, under a
// console application of their own that ends with them.
int printTranslated(char *program, const std::function<int()> &print) {
    int argc = 1;
    QCoreApplication console(argc, &program);
    const Translations translations;
    return print();
}

} // namespace

int main(int argc, char *argv[]) {
    // A closed log reader (a launcher gone, a terminal closed) must not end the program at its next log line.
    std::signal(SIGPIPE, SIG_IGN);
    // The command line is read, and a command sent to the running program, before anything needs a display: a
    // terminal over ssh or a key binding steers the program as well.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    switch (parsed.outcome) {
    case CommandLine::Outcome::Help:
        return printTranslated(argv[0], [&arguments] {
            return printLine(stdout, CommandLine::parse(arguments).text.trimmed(), CommandLine::Done);
        });
    case CommandLine::Outcome::Version:
        return printLine(stdout, u"somnivox "_s + QString::fromLatin1(BuildConfig::Version), CommandLine::Done);
    case CommandLine::Outcome::Bad:
        return printTranslated(argv[0], [&arguments] {
            return printLine(stderr, CommandLine::parse(arguments).text, CommandLine::BadUsage);
        });
    case CommandLine::Outcome::Run:
        break;
    }
    const CommandLine::Command &command = parsed.command;
    SingleInstance instance(SingleInstance::defaultFolder());
    if (!command.isEmpty()) {
        SingleInstance::Answer answer;
        switch (instance.sendCommand(command.toArguments(), CommandLine::AnswerMs, answer)) {
        case SingleInstance::Delivery::Answered:
            return print(answer);
        case SingleInstance::Delivery::NoAnswer:
            return printTranslated(argv[0], noAnswer);
        case SingleInstance::Delivery::NotRunning:
            if (command.isQuery()) {
                return printTranslated(argv[0], [] {
                    return printLine(
                        stderr, QCoreApplication::translate("main", "somnivox: Somnivox Noise Player is not running."),
                        CommandLine::NotRunning);
                });
            }
            break;
        }
    }

    // Qt waits on every D-Bus reply; a session bus that takes connections but never answers would hold the window.
    SessionBusProbe::ignoreIfSilent(1000);
    // Taken before Qt's X11 plugin consumes the startup notification's: the launcher's proof that the user asked for
    // the program, handed on to one already running.
    const QString launchToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    // The command line is the program's own: Qt would read --style as a widget style.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const Translations translations;
    QApplication::setApplicationName(u"somnivox"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::Version));
    QGuiApplication::setDesktopFileName(u"org.vantrelle.Somnivox"_s);
    // The window lives on hidden in the tray; closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Nothing starts for a style the window would not list.
    if (command.style && !StyleLibrary::listedStyles(QCoreApplication::applicationDirPath())
                              .contains(GeneratedNoise::styleOf(*command.style))) {
        return print(RemoteCommands::notListed(*command.style));
    }
    const bool wayland = QGuiApplication::platformName().startsWith(u"wayland"_s);
    switch (instance.claim(SingleInstance::PatienceMs, wayland ? launchToken : startupId)) {
    case SingleInstance::Role::HandedOver:
        // A program that started meanwhile carries the command out.
        if (!command.isEmpty()) {
            SingleInstance::Answer answer;
            return instance.sendCommand(command.toArguments(), CommandLine::AnswerMs, answer) ==
                           SingleInstance::Delivery::Answered
                       ? print(answer)
                       : noAnswer();
        }
        return 0;
    case SingleInstance::Role::NoAnswer:
        qCritical("Somnivox Noise Player is already running but does not answer.");
        return 1;
    case SingleInstance::Role::First:
        break;
    }

    AppAssembly assembly;
    QObject::connect(&instance, &SingleInstance::activationRequested, &assembly.form(),
                     [&assembly](const QString &token) { assembly.showWindow(token); });
    RemoteCommands remote(assembly.form(), assembly.sleepTimer());
    instance.setCommandHandler([&remote](const QStringList &sent) { return remote.answer(sent); });
    // The end of the session ends the program as a close does: the sound ramps down and the socket goes.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &assembly.form(),
                     [&assembly] { assembly.form().close(); });
    assembly.start();
    // An end that came before the event loop (from a start-up message box) is not repeated by it.
    if (assembly.ended()) {
        return 0;
    }
    if (!command.isEmpty()) {
        print(remote.carryOut(command));
    }
    return QApplication::exec();
}
