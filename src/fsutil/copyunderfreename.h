#pragma once

#include <QString>

#include <functional>

/// \a name numbered for its \a n-th try: the name itself for 1, else " (n)" put before its extension
/// ("Rain.mp3" -> "Rain (2).mp3"; a name without one, or starting with its only dot, gets it at the end).
QString numberedName(const QString &name, int n);

/// Copies the regular file \a source into \a folder (created if missing) under the first of numberedName(\a name, 1),
/// (2), (3)... that neither \a taken refuses nor a file of the folder holds. The copy is written under a temporary
/// name beside the folder and renamed into it when whole, so the folder never shows a part of a file. Returns the
/// new file's name, or an empty text with \a error set.
QString copyUnderFreeName(const QString &source, const QString &folder, const QString &name,
                          const std::function<bool(const QString &)> &taken, QString *error);
