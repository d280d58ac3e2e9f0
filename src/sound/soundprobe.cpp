#include "soundprobe.h"

#include "enginemodule.h"

#include <QLibrary>

using namespace Qt::StringLiterals;

QString findSoundProblem(const QString &enginePath, const QString &path) {
    QLibrary module(enginePath);
    auto *find = reinterpret_cast<SomnivoxFindSoundProblem *>(module.resolve(SomnivoxFindSoundProblemSymbol));
    if (!find) {
        return u"the sound engine cannot be loaded: "_s + module.errorString();
    }
    QString problem;
    find(path, problem);
    return problem;
}
