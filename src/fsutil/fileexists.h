#pragma once

#include <QString>

/// True when the last-modified date and time of \a path can be read (files and folders alike).
/// Every failure, whatever its cause, answers false.
bool FileExistsByDate(const QString &path);

/// True when \a path names an existing regular file, found without reading or writing it: the file is
/// opened as a bare path reference (never blocking, even on a FIFO) and closed at once. Folders, links
/// to folders, dangling links, devices, FIFOs, sockets and missing or invalid names answer false.
bool FileExistsStrict(const QString &path);
