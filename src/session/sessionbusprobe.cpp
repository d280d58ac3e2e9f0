#include "sessionbusprobe.h"

#include "localsocketclient.h"

#include <QByteArrayList>
#include <QDeadlineTimer>
#include <QtEndian>
#include <QtGlobal>

#include <cstddef>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace SessionBusProbe {

namespace {

// The local socket of the first "unix:path=" or "unix:abstract=" entry of a bus address.
std::optional<std::pair<sockaddr_un, socklen_t>> unixSocketOf(const QByteArray &address) {
    for (const QByteArray &entry : address.split(';')) {
        if (!entry.startsWith("unix:")) {
            continue;
        }
        for (const QByteArray &pair : entry.mid(5).split(',')) {
            const bool abstract = pair.startsWith("abstract=");
            if (!abstract && !pair.startsWith("path=")) {
                continue;
            }
            const QByteArray name = QByteArray::fromPercentEncoding(pair.mid(pair.indexOf('=') + 1));
            sockaddr_un socketAddress{};
            socketAddress.sun_family = AF_UNIX;
            const qsizetype offset = abstract ? 1 : 0;
            if (name.isEmpty() || name.size() + offset >= static_cast<qsizetype>(sizeof(socketAddress.sun_path))) {
                return std::nullopt;
            }
            std::memcpy(socketAddress.sun_path + offset, name.constData(), static_cast<size_t>(name.size()));
            const auto length =
                static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + name.size() + (abstract ? 0 : 1));
            return std::make_pair(socketAddress, length);
        }
    }
    return std::nullopt;
}

void appendUint32(QByteArray &bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// The bus's Hello call, marshalled by hand: the first message every client sends.
QByteArray helloMessage() {
    QByteArray fields;
    const auto field = [&fields](char code, char type, const QByteArray &value) {
        while (fields.size() % 8 != 0) {
            fields.append('\0');
        }
        fields.append(code).append('\1').append(type).append('\0');
        appendUint32(fields, static_cast<quint32>(value.size()));
        fields.append(value).append('\0');
    };
    field(1, 'o', "/org/freedesktop/DBus");
    field(6, 's', "org.freedesktop.DBus");
    field(2, 's', "org.freedesktop.DBus");
    field(3, 's', "Hello");
    QByteArray message("l\1\0\1", 4);
    appendUint32(message, 0);
    appendUint32(message, 1);
    appendUint32(message, static_cast<quint32>(fields.size()));
    message.append(fields);
    while (message.size() % 8 != 0) {
        message.append('\0');
    }
    return message;
}

} // namespace

Verdict probe(const QByteArray &address, int timeoutMs) {
    const auto socketAddress = unixSocketOf(address);
    if (!socketAddress) {
        return Verdict::Answers;
    }
    LocalSocketClient connection{QDeadlineTimer(timeoutMs)};
    if (!connection.connectTo(socketAddress->first, socketAddress->second)) {
        return connection.timedOut() ? Verdict::Silent : Verdict::Absent;
    }
    const QByteArray uid = QByteArray::number(::getuid()).toHex();
    if (!connection.send(QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n")) {
        return Verdict::Absent;
    }
    // A refusal or a closed connection is an answer too: Qt's own connection fails as quickly.
    if (!connection.receive(true).startsWith("OK ")) {
        return connection.timedOut() ? Verdict::Silent : Verdict::Answers;
    }
    if (!connection.send("BEGIN\r\n" + helloMessage())) {
        return Verdict::Absent;
    }
    connection.receive(false);
    return connection.timedOut() ? Verdict::Silent : Verdict::Answers;
}

void ignoreIfSilent(int timeoutMs) {
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (probe(address, timeoutMs) != Verdict::Silent) {
        return;
    }
    qWarning("The session bus at %s does not answer; going on without it.", address.constData());
    // An address of no known kind: libdbus refuses it at once.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace SessionBusProbe
