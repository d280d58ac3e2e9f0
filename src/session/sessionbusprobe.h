#pragma once

#include <QByteArray>

/// Whether the session bus answers. Qt's D-Bus calls (the tray icon's among them) wait up to 25 s for each reply on
/// the calling thread, so a bus that takes connections but never answers would hold the program; this asks it the
/// first question of every connection (authentication, then Hello) with a time limit, and touches nothing else.
namespace SessionBusProbe {

enum class Verdict {
    /// The bus answered, or its address is of a kind not checked here.
    Answers,
    /// No bus at that address: a connection fails at once.
    Absent,
    /// Connected, but no answer within the time limit.
    Silent,
};

/// Blocks for at most about \a timeoutMs; meant for a worker thread. \a address as in DBUS_SESSION_BUS_ADDRESS.
Verdict probe(const QByteArray &address, int timeoutMs);

/// Probes this process's session bus; when it is silent, hides it from the process (with a warning), so that every
/// later D-Bus call fails at once instead of waiting on it.
void ignoreIfSilent(int timeoutMs);

} // namespace SessionBusProbe
