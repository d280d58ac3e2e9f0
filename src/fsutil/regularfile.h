#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Opens \a path for reading when it is a regular file (links followed), without ever waiting on a FIFO or a device
/// in its place; the caller owns the descriptor. -1 otherwise, with \a error (when given) set to the reason.
int openRegularFile(const QString &path, QString *error = nullptr);

/// Whether \a path is a regular file that can be opened for reading, found as openRegularFile() does; when not,
/// \a error (when given) says why.
bool canReadRegularFile(const QString &path, QString *error = nullptr);

/// The whole of \a path when it is a regular file of at most \a maxBytes, opened as openRegularFile() does; nothing
/// otherwise, with \a error (when given) set to the reason.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error = nullptr);
