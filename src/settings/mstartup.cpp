#include "mstartup.h"

#include <QCoreApplication>
#include <QFileInfo>

mStartUp::mStartUp(const QString &programPath, const QString &autostartFolder)
    : m_programPath(programPath), m_fileName(QFileInfo(programPath).fileName()),
      m_regStuff(QFileInfo(programPath).absolutePath(), autostartFolder) {}

QString mStartUp::runningProgramPath() {
    const QString path = QCoreApplication::applicationFilePath();
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

QString mStartUp::programPath() const {
    return m_programPath;
}

RegStuff::Result mStartUp::RunEntryAdd() const {
    if (m_fileName.isEmpty()) {
        return missingProgram();
    }
    return m_regStuff.AddRunValue(m_fileName);
}

RegStuff::Result mStartUp::RunEntryRemove() const {
    if (m_fileName.isEmpty()) {
        return missingProgram();
    }
    return m_regStuff.RemoveRunValue(m_fileName);
}

RegStuff::Result mStartUp::missingProgram() const {
    return {QFileDevice::OpenError,
            QCoreApplication::translate("mStartUp", "The program's own file could not be found, so it cannot be "
                                                    "registered to start at login.")};
}
