#include "fadeorder.h"

#include "pcmfeed.h"

FadeOrder FadeOrder::then(const FadeOrder &later) const {
    if (later.cancel || later.frames >= 0) {
        return {cancel || later.cancel, later.frames, later.byDecibels};
    }
    return *this;
}

void FadeOrder::applyTo(PcmFeed &feed) const {
    if (cancel) {
        feed.cancelFadeOut();
    }
    if (frames >= 0) {
        byDecibels ? feed.fadeOutByDecibels(frames) : feed.fadeOut(frames);
    }
}
