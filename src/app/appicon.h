#pragma once

#include <QIcon>

/// The program's blue "V" icon at every size the build draws; a null icon when the icon resource is not linked in.
QIcon applicationIcon();
