#pragma once

#include <QString>

/// The user's configuration folder by the XDG rules: $XDG_CONFIG_HOME when it is an absolute path, otherwise
/// ".config" in the home folder. A home folder missing from $HOME comes from the password database.
QString xdgConfigHome();
