#pragma once

#include "outputdevices.h"

/// A sound server's outputs as the test tells them.
class FakeOutputDevices final : public OutputDevices {
public:
    QList<OutputDevice> listed;
    bool known = false;
    int watches = 0;

    void watch() override { ++watches; }
    bool isKnown() const override { return known; }
    QList<OutputDevice> devices() const override { return listed; }

    /// The server's outputs are now \a devices.
    void tell(const QList<OutputDevice> &devices) {
        listed = devices;
        known = true;
        Q_EMIT changed();
    }
};
