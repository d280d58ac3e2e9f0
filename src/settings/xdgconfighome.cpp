#include "xdgconfighome.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString homeFolder() {
    const QString home = QFile::decodeName(qgetenv("HOME"));
    if (QDir::isAbsolutePath(home)) {
        return home;
    }
    if (const passwd *entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return QFile::decodeName(entry->pw_dir);
    }
    return QDir::rootPath();
}

} // namespace

QString xdgConfigHome() {
    // Tests keep their files apart from the user's through Qt's test mode.
    if (QStandardPaths::isTestModeEnabled()) {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
    const QString configured = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (QDir::isAbsolutePath(configured)) {
        return QDir::cleanPath(configured);
    }
    return QDir::cleanPath(homeFolder() + u"/.config"_s);
}
