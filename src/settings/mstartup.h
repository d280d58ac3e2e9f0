#pragma once

#include "regstuff.h"

#include <QString>

/// Registers the running program in the logon list, or removes it, under the program's file name.
class mStartUp {
public:
    /// \a programPath is the program the logon entry runs; by default the running program itself with links
    /// resolved. \a autostartFolder as for RegStuff.
    explicit mStartUp(const QString &programPath = runningProgramPath(), const QString &autostartFolder = QString());

    static QString runningProgramPath();
    QString programPath() const;

    /// Adds or replaces the logon entry that runs the program.
    RegStuff::Result RunEntryAdd() const;
    /// Removes the program's logon entry; an entry that does not exist is no error.
    RegStuff::Result RunEntryRemove() const;

private:
    RegStuff::Result missingProgram() const;

    QString m_programPath;
    QString m_fileName;
    RegStuff m_regStuff;
};
