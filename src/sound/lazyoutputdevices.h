#pragma once

#include "outputdevices.h"

#include <memory>

/// The outputs as the sound engine module lists them, the module being loaded only once they are watched: a program
/// that is off and never asked for its outputs keeps none of it in memory.
class LazyOutputDevices final : public OutputDevices {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LazyOutputDevices)

public:
    /// \a enginePath is the module's file.
    explicit LazyOutputDevices(const QString &enginePath, QObject *parent = nullptr);
    ~LazyOutputDevices() override;

    /// A module that cannot be loaded leaves the list known and empty: only the default output is offered.
    void watch() override;
    bool isKnown() const override;
    QList<OutputDevice> devices() const override;

private:
    QString m_enginePath;
    std::unique_ptr<OutputDevices> m_engine;
    bool m_unloadable = false;
};
