#pragma once

class QWidget;

/// Fixed positions read from the right in a right-to-left language: Qt mirrors what its layouts place, never a
/// geometry set by hand.
namespace LayoutMirror {

/// Moves each child widget of \a parent to its mirror image across the parent's middle; windows stay where they are.
void mirrorChildren(QWidget *parent);

} // namespace LayoutMirror
