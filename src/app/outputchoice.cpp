#include "outputchoice.h"

#include "player.h"
#include "settingsstore.h"

#include <QLoggingCategory>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(lcOutput, "somnivox.output")
} // namespace

OutputChoice::OutputChoice(SettingsStore &store, OutputDevices &devices, Player &player, QObject *parent)
    : QObject(parent), m_store(store), m_devices(devices), m_player(player),
      m_chosen(store.ReadSetting(QString::fromLatin1(SettingKey), QString()).trimmed()) {
    connect(&m_devices, &OutputDevices::changed, this, &OutputChoice::devicesChanged);
    if (!m_chosen.isEmpty()) {
        watch();
    }
}

void OutputChoice::watch() {
    m_devices.watch();
}

bool OutputChoice::choose(const QString &nameOrDescription) {
    if (nameOrDescription.isEmpty() || nameOrDescription == u"default"_s) {
        setChosen({});
        return true;
    }
    const QList<OutputDevice> listed = devices();
    auto found = std::find_if(listed.cbegin(), listed.cend(),
                              [&](const OutputDevice &device) { return device.name == nameOrDescription; });
    if (found == listed.cend()) {
        found = std::find_if(listed.cbegin(), listed.cend(),
                             [&](const OutputDevice &device) { return device.description == nameOrDescription; });
    }
    if (found == listed.cend()) {
        return false;
    }
    setChosen(found->name);
    return true;
}

void OutputChoice::whenKnown(std::function<void()> then) {
    if (isKnown()) {
        then();
        return;
    }
    m_waiting.append(std::move(then));
    watch();
}

void OutputChoice::devicesChanged() {
    follow();
    Q_EMIT changed();
    if (isKnown()) {
        for (const std::function<void()> &then : std::exchange(m_waiting, {})) {
            then();
        }
    }
}

void OutputChoice::setChosen(const QString &name) {
    if (name == m_chosen) {
        return;
    }
    m_chosen = name;
    m_store.WriteSetting(QString::fromLatin1(SettingKey), name);
    follow();
    Q_EMIT changed();
}

// Until the outputs are listed, a chosen one may not exist: the default plays meanwhile.
void OutputChoice::follow() {
    const QList<OutputDevice> listed = devices();
    const bool present = std::any_of(listed.cbegin(), listed.cend(),
                                     [this](const OutputDevice &device) { return device.name == m_chosen; });
    const bool missing = isKnown() && !m_chosen.isEmpty() && !present;
    if (std::exchange(m_missing, missing) != missing) {
        if (missing) {
            qCWarning(lcOutput).noquote() << "output" << m_chosen << "is missing: playing on the default output";
        } else if (present) {
            qCInfo(lcOutput).noquote() << "output" << m_chosen << "is back: playing on it";
        }
    }
    const QString playing = present ? m_chosen : QString();
    if (playing != m_playing) {
        m_playing = playing;
        m_player.setOutputDevice(playing);
    }
}
