#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

/// The program's own artwork, drawn in code so that the build needs no SVG renderer.
namespace IconArt {

/// The sizes, in pixels, at which the application icon is shipped.
QList<int> applicationIconSizes();

/// The blue "V" application icon at size by size pixels; the same design as data/icons/somnivox.svg.
QImage applicationIcon(int size);

/// A 32 by 32 pointing hand with a transparent background.
QImage handCursor();

/// The fingertip of handCursor(), the point that clicks.
QPoint handCursorHotSpot();

} // namespace IconArt
