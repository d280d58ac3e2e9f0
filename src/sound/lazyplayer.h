#pragma once

#include "player.h"

#include <QString>

#include <memory>
#include <optional>

/// A player that loads the sound engine module (GStreamer and the decoders) only when the first file is to be
/// played, so a program that is off keeps none of it in memory. Settings made before then are handed on to the
/// engine when it comes.
class LazyPlayer final : public Player {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LazyPlayer)

public:
    /// \a enginePath is the module's file.
    explicit LazyPlayer(const QString &enginePath, QObject *parent = nullptr);
    ~LazyPlayer() override;

    /// Throws std::runtime_error also when the engine module cannot be loaded.
    void setUrl(const QString &path, std::chrono::milliseconds fadeIn) override;
    void fadeOut(std::chrono::milliseconds duration) override;
    void fadeOutByDecibels(std::chrono::milliseconds duration) override;
    void cancelFadeOut() override;
    void setLoop(bool on) override;
    void setVolume(int volume) override;
    void setRate(double rate) override;
    void setEvenLoudness(bool on) override;
    void setMixLayers(const QString &source) override;
    void stop() override;
    int playState() const override;
    bool isEnding() const override;
    bool isWaitingForOutput() const override;
    void setOutputDevice(const QString &name) override;

    QString enginePath() const { return m_enginePath; }

private:
    Player &engine();

    QString m_enginePath;
    std::unique_ptr<Player> m_engine;
    std::optional<bool> m_loop;
    std::optional<int> m_volume;
    std::optional<double> m_rate;
    QString m_outputDevice;
    std::optional<bool> m_evenLoudness;
    bool m_stopped = false;
};
