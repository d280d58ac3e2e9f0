// The Exec quoting of the autostart entry over arbitrary program paths and raw Exec values.

#include "desktopentry.h"
#include "fuzzcheck.h"

#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // A launcher would refuse a value that is not text; only whatever it parses must be sound.
    const std::optional<QStringList> raw = DesktopEntry::parseExec(QString::fromUtf8(bytes));
    fuzzCheck(!raw || (!raw->isEmpty() && !raw->constFirst().isEmpty()), "parseExec gave no program");

    // The first line is the program, the rest one argument: both must come back exactly.
    const qsizetype cut = bytes.indexOf('\n');
    const QString program = QString::fromUtf8(cut < 0 ? bytes : bytes.left(cut));
    const QString argument = cut < 0 ? QString() : QString::fromUtf8(bytes.mid(cut + 1));
    const QString quoted = DesktopEntry::quoteExecArgument(program);
    fuzzCheck(!quoted.contains(u'\n'), "a quoted argument spans lines", quoted);
    const std::optional<QStringList> alone = DesktopEntry::parseExec(quoted);
    if (program.isEmpty()) {
        fuzzCheck(!alone, "an empty program was accepted");
        return 0;
    }
    fuzzCheck(alone && *alone == QStringList{program}, "a quoted program does not parse back", quoted);
    const std::optional<QStringList> both =
        DesktopEntry::parseExec(quoted + u' ' + DesktopEntry::quoteExecArgument(argument));
    fuzzCheck(both && *both == QStringList({program, argument}), "two quoted arguments do not parse back", quoted);
    return 0;
}
