#include "localsocketclient.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <vector>

#include <unistd.h>

// A peer that takes no connections and answers nothing must not hold the client past its deadline.
class TestLocalSocketClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectAndReceive_aPeerThatNeverAccepts_endByTheDeadline();
};

void TestLocalSocketClient::connectAndReceive_aPeerThatNeverAccepts_endByTheDeadline() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(dir.filePath(u"peer"_qs));
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(::listen(listener, 0) == 0);

    // The first connections wait in the listener's queue, unanswered; once it is full, a connection waits too.
    std::vector<std::unique_ptr<LocalSocketClient>> clients;
    bool connectTimedOut = false;
    for (int i = 0; i < 8 && !connectTimedOut; ++i) {
        auto client = std::make_unique<LocalSocketClient>(QDeadlineTimer(100));
        if (client->connectTo(address, sizeof address)) {
            QVERIFY(client->send("hello\n"));
            QVERIFY(client->receive(true).isEmpty());
            QVERIFY(client->timedOut());
        } else {
            connectTimedOut = client->timedOut();
        }
        clients.push_back(std::move(client));
    }
    QVERIFY(connectTimedOut);
    ::close(listener);
}

QTEST_GUILESS_MAIN(TestLocalSocketClient)
#include "tst_localsocketclient.moc"
