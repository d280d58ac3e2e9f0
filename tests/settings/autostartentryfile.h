#pragma once

#include <QFile>
#include <QMap>
#include <QString>

// The keys of a written autostart entry, read line by line below its "[Desktop Entry]" header.
inline QMap<QString, QString> readAutostartEntry(const QString &path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return keys;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.constFirst() != "[Desktop Entry]") {
        return keys;
    }
    for (const QByteArray &line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0) {
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
        }
    }
    return keys;
}
