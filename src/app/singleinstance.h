#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

/// One running program per user: the first start holds a lock and listens on a local socket in the user's runtime
/// folder; a later start asks it to show its window and ends. A lock or socket left behind by a killed program is
/// taken over, since the lock names a process that no longer runs.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    enum class Role {
        First,      ///< this process is the program; activationRequested() reports later starts
        HandedOver, ///< the running program was asked to show its window; this process should end
        NoAnswer    ///< a program holds the lock but did not answer in time
    };

    /// How long a later start waits for a program that is still starting before it gives up.
    static constexpr int PatienceMs = 20000;

    /// \a folder holds the lock and the socket; it must belong to the user alone.
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// The user's runtime folder ($XDG_RUNTIME_DIR).
    static QString defaultFolder();

    /// Becomes the program or hands over to the one running, waiting at most \a patienceMs for one that is still
    /// starting. A folder where no lock can be made leaves this process the program, unguarded.
    Role claim(int patienceMs);

Q_SIGNALS:
    /// A later start asked for the window.
    void activationRequested();

private:
    bool listen();
    bool handOver(int waitMs) const;
    void answer();

    QLockFile m_lock;
    QString m_socketPath;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_incoming;
};
