#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

/// Turns SIGTERM, SIGINT and SIGHUP (the end of a session, Ctrl+C, a closed terminal) into a request to end that the
/// event loop delivers, so the program can end as a close does. One at a time per process.
class TerminationSignals : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationSignals)

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    /// Gives the signals back their default action.
    ~TerminationSignals() override;

Q_SIGNALS:
    /// One of the signals arrived.
    void terminationRequested();

private:
    void drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
};
