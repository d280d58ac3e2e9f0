#pragma once

#include <QString>
#include <QStringList>

/// What the crash test's writer stores: round after round, each of the nine keys in this order.
namespace SettingsCrashRounds {

inline const QStringList Keys{
    QStringLiteral("Combo1"),          QStringLiteral("Volume"),    QStringLiteral("Pitch"),
    QStringLiteral("Windows Startup"), QStringLiteral("Minimized"), QStringLiteral("Time From"),
    QStringLiteral("Time To"),         QStringLiteral("Option"),    QStringLiteral("StartStopState")};

/// The text key number \a key holds after round \a round. Odd rounds are long and hold commas and quotes, even
/// rounds are short, so the file grows and shrinks from one round to the next.
inline QString valueFor(int key, qint64 round) {
    const QString number = QString::number(round);
    if (round % 2 == 0) {
        return number;
    }
    return number + QStringLiteral(", \"round\" ") + QString(200 * (key + 1), QLatin1Char('a' + key));
}

/// The round a stored text belongs to, or -1 when it is no text valueFor() writes for \a key.
inline qint64 roundOf(int key, const QString &text) {
    bool ok = false;
    const qint64 round = text.section(QLatin1Char(','), 0, 0).toLongLong(&ok);
    return ok && round >= 0 && valueFor(key, round) == text ? round : -1;
}

} // namespace SettingsCrashRounds
