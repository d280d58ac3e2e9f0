#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

#include <sys/types.h>

class QFileSystemWatcher;
class QSocketNotifier;

/// One running program per user: the first start holds a lock and listens on a local socket in a folder of the
/// user's own; a later start asks it to show its window, handing on the token its launcher gave it, and ends. A later
/// start asks the socket before it takes the lock, so a lock file replaced under a running program cannot make a second
/// one; the running program makes its lock and socket again when either is removed or replaced. The lock is the
/// kernel's, so it ends with its holder; whatever else takes the place of the lock or the socket is set aside.
/// A command line's command is sent the same way, and the running program answers it with a text and an exit code.
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
    /// How long a connection may take to send its request before it is dropped.
    static constexpr int RequestMs = 2000;
    /// How many connections are served at once; more wait in the listener's queue.
    static constexpr int MaxRequests = 16;
    /// The longest activation token handed on; a longer one is left behind.
    static constexpr int MaxTokenLength = 255;
    /// The longest request served, a command's included; a longer one is refused.
    static constexpr int MaxRequestSize = 4096;

    /// How a command sent to the running program fared.
    enum class Delivery {
        Answered,   ///< the running program answered
        NotRunning, ///< no program runs
        NoAnswer    ///< a program runs, or is starting, and did not answer in time
    };

    /// The running program's answer to a command: what to print, and the exit code of the command.
    struct Answer {
        int exitCode = 0;
        QString text;
    };
    /// Sends the answer to a command; called at once or later, at most once.
    using Reply = std::function<void(const Answer &answer)>;
    /// Answers a command through its reply, within RequestMs.
    using CommandHandler = std::function<void(const QStringList &arguments, const Reply &reply)>;

    /// \a folder holds the lock and the socket; it must belong to the user alone. An empty \a folder leaves every
    /// start unguarded.
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// The user's runtime folder ($XDG_RUNTIME_DIR) when only the user may enter it, otherwise a folder of the
    /// user's own made for the program; empty when there is none.
    static QString defaultFolder();

    /// Becomes the program or hands over to the one running, waiting at most \a patienceMs for one that is still
    /// starting, and passing on \a activationToken (xdg-activation or startup notification) when it is one. A folder
    /// where no lock can be made leaves this process the program, unguarded.
    Role claim(int patienceMs, const QString &activationToken = {});

    /// Whether \a token can be handed on: printable ASCII without blanks, at most MaxTokenLength long.
    static bool isHandOverToken(const QString &token);

    /// Sends a command's \a arguments to the running program and waits at most \a waitMs for its answer, also for a
    /// program that is still starting. Needs no application object.
    Delivery sendCommand(const QStringList &arguments, int waitMs, Answer &answer) const;
    /// Answers the commands that later starts send, on the thread that claimed; without a handler they are refused.
    void setCommandHandler(CommandHandler handler) { m_commandHandler = std::move(handler); }

Q_SIGNALS:
    /// A later start asked for the window, with the token its launcher gave it, if any.
    void activationRequested(const QString &activationToken);

private:
    enum class Lock { Held, HeldElsewhere, Unusable };

    // Which file a path named when it was made, to tell it from whatever takes its place later.
    struct FileId {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const FileId &) const = default;
    };

    Lock lock();
    bool listen();
    void watchGuard();
    void mendGuard();
    static bool stillAt(const QString &path, FileId id);
    bool handOver(int waitMs, const QByteArray &request) const;
    bool lockHeldElsewhere() const;
    void acceptRequests();
    void serve(int fd);
    /// Sends \a answer on \a fd as the client takes it, then calls \a end.
    static void sendAnswer(int fd, QObject *request, const QByteArray &answer, const std::function<void()> &end);
    void resumeAccepting();

    QString m_lockPath;
    QString m_socketPath;
    int m_lockFd = -1;
    FileId m_lockId;
    int m_listener = -1;
    FileId m_socketId;
    int m_requests = 0;
    CommandHandler m_commandHandler;
    std::unique_ptr<QSocketNotifier> m_incoming;
    // Out of files, the listener waits for some to be closed rather than fail at once again.
    QTimer m_acceptRetry;
    // The folder's changes, among them the lock's or the socket's removal; inotify costs no wakeups of its own.
    std::unique_ptr<QFileSystemWatcher> m_folderWatch;
};
