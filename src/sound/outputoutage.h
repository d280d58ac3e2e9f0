#pragma once

#include "outputrecovery.h"
#include "qtretrytimer.h"
#include "soundserverwatch.h"

#include <QString>

#include <functional>

/// An outage of the default output, from its loss to its return or to the end of the sound: one warning is logged,
/// and the output is reopened after growing pauses (OutputRecovery), sooner when the sound server's socket folder
/// changes, and not while nothing listens there.
class OutputOutage {
    Q_DISABLE_COPY_MOVE(OutputOutage)

public:
    /// \a reopen opens the output afresh; how that went is told through lost() or end().
    explicit OutputOutage(std::function<void()> reopen);

    /// The output failed, or an attempt to open it did.
    void lost(const QString &reason);
    /// For an output through the sound server whose socket is watched (\a throughServer): true, and the next attempt
    /// left to a sign of the server, when nothing listens at its socket.
    bool nothingListens(bool throughServer);
    /// The output plays again, or sound is no longer wanted.
    void end();
    bool active() const { return m_recovery.active(); }

private:
    QtRetryTimer m_retryTimer;
    OutputRecovery m_recovery;
    SoundServerWatch m_serverWatch;
};
