#pragma once

#include <QIcon>

#include <limits>

/// The program's blue "V" icon, drawn from the build's picture of each size; a null icon when the icon resource is
/// not linked in. Each size is decoded when first drawn. The icon offers the built sizes up to largestOffered (a
/// window hands every offered size to the window manager) but draws sharp at any size.
QIcon applicationIcon(int largestOffered = std::numeric_limits<int>::max());
