#pragma once

#include <QList>
#include <QString>

class QWidget;
class SkinFramework;

/// Skins window when the skin file x/o.cjs is an ordinary file of programFolder; otherwise does nothing.
///
/// First the window and, of controlsInOrder, every option button, check box, frame and label get the button-face
/// colour as background; then the skin is loaded and applied through skin. A failing skin call throws (the
/// colours already set stay). A file named in the freedesktop ".hidden" list of its folder counts as hidden and is
/// not found, as are folders.
void ApplySkin(QWidget *window, const QList<QWidget *> &controlsInOrder, SkinFramework &skin,
               const QString &programFolder);
