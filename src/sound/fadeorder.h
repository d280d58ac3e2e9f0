#pragma once

#include <QtGlobal>

class PcmFeed;

/// A change of the feed's fade-out, handed from the player to the thread that fills the output: the one under way
/// called off, then perhaps a new one.
struct FadeOrder {
    bool cancel = false;
    // The new fade-out's length (-1: none), and its curve.
    qint64 frames = -1;
    bool byDecibels = false;

    /// This order followed by \a later.
    FadeOrder then(const FadeOrder &later) const;
    void applyTo(PcmFeed &feed) const;
};
