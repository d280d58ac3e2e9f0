#pragma once

#include <QString>

/// Why the file at \a path does not play, tried with the decoder of the sound engine module \a enginePath (which is
/// loaded for it); empty when it plays. Safe to call from any thread.
QString findSoundProblem(const QString &enginePath, const QString &path);
