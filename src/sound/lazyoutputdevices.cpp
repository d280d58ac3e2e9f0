#include "lazyoutputdevices.h"

#include "enginemodule.h"

#include <QLibrary>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcLazyDevices, "somnivox.outputs")
} // namespace

LazyOutputDevices::LazyOutputDevices(const QString &enginePath, QObject *parent)
    : OutputDevices(parent), m_enginePath(enginePath) {}

// The module stays loaded to the end: GStreamer cannot be unloaded.
LazyOutputDevices::~LazyOutputDevices() = default;

void LazyOutputDevices::watch() {
    if (!m_engine && !m_unloadable) {
        QLibrary module(m_enginePath);
        auto *create =
            reinterpret_cast<SomnivoxCreateOutputDevices *>(module.resolve(SomnivoxCreateOutputDevicesSymbol));
        if (!create) {
            qCWarning(lcLazyDevices) << "the outputs cannot be listed:" << module.errorString();
            m_unloadable = true;
            Q_EMIT changed();
            return;
        }
        m_engine.reset(create());
        connect(m_engine.get(), &OutputDevices::changed, this, &OutputDevices::changed);
    }
    if (m_engine) {
        m_engine->watch();
    }
}

bool LazyOutputDevices::isKnown() const {
    return m_unloadable || (m_engine && m_engine->isKnown());
}

QList<OutputDevice> LazyOutputDevices::devices() const {
    return m_engine ? m_engine->devices() : QList<OutputDevice>{};
}
