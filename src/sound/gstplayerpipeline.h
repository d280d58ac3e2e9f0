#pragma once

#include "clockpacer.h"
#include "fadeorder.h"
#include "gstref.h"

#include <QObject>
#include <QString>

#include <gst/app/gstappsrc.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class PcmFeed;

/// What the pipelines share with their player: the settings they read as they play, and the way back to the
/// player's thread. A pipeline left behind at a hung server outlives the player, and then tells nobody.
class PipelineShared {
    Q_DISABLE_COPY_MOVE(PipelineShared)

public:
    explicit PipelineShared(QObject *owner) : m_owner(owner) {}

    std::atomic<int> volume{50};
    std::atomic<double> rate{1.0};
    std::atomic<bool> loop{false};
    std::atomic<bool> evenLoudness{true};
    /// What a pipeline tells, on the owner's thread: the run it played ended, its output started to play, it failed
    /// (\a fromPipeline: an element of it told so, rather than the feed).
    std::function<void(quint64 run)> ended;
    std::function<void(quint64 run)> started;
    std::function<void(quint64 run, const QString &reason, bool fromPipeline)> failed;

    /// Calls \a handle on the owner's thread, queued, unless the owner is gone.
    void post(std::function<void()> handle);
    void forget();

private:
    std::mutex m_mutex;
    QObject *m_owner;
};

/// The player's pipeline, `appsrc ! audioconvert ! sink`, fed from the source's need-data callback on GStreamer's
/// streaming thread. Built by the owner; its state is changed, and it is destroyed, only on the worker.
struct GstPlayerPipeline {
    /// Nothing here waits on the output: it is opened by the first start. Throws std::runtime_error when a GStreamer
    /// element is missing or \a sinkDescription does not parse or link. \a fakeIsNoOutput: the default output, where a
    /// fake sink that autoaudiosink settles on plays nothing.
    GstPlayerPipeline(std::shared_ptr<PipelineShared> shared, quint64 serial, const QString &sinkDescription,
                      bool fakeIsNoOutput);
    ~GstPlayerPipeline();
    Q_DISABLE_COPY_MOVE(GstPlayerPipeline)

    /// Opens the output the first time, and halts what plays otherwise; an empty text when the new run has started.
    QString start(quint64 newRun, std::shared_ptr<PcmFeed> newFeed, const QByteArray &title);
    /// Drops what the output holds and goes on with the same feed from where it is, rising from silence, with the
    /// change of fade-out \a fade from there.
    QString restart(quint64 newRun, const FadeOrder &fade, const QByteArray &title);
    void halt();
    /// Hands a change of the fade-out to the streaming thread.
    void order(const FadeOrder &fade);
    /// Frames made and not yet played.
    qint64 framesQueued() const;
    /// Whether the sound server takes its audio in its rhythm.
    bool serverAnswers() const;
    void setStreamVolume(double level) const;

    const std::shared_ptr<PipelineShared> shared;
    const quint64 serial;
    const bool fakeIsNoOutput;
    GstRef<GstElement> bin;
    GstRef<GstElement> source;
    GstRef<GstElement> sink;
    // The sink's own volume, where it has one; the feed applies the volume where it has none.
    GstRef<GstElement> streamVolume;
    GstRef<GstBus> bus;
    // Set on the worker once the output has opened.
    bool opened = false;
    // The sound server's output that the next start plays through, and the one the sink was last given; both on the
    // worker.
    QByteArray wantedDevice;
    QByteArray device;
    // Set on the owner's thread once a start has told it opened: the stream's volume is settled.
    bool openedForOwner = false;

    // Touched by the streaming thread while the pipeline runs, and by the worker only while it is halted.
    std::shared_ptr<PcmFeed> feed;
    std::atomic<std::uint64_t> framesPushed{0};
    // When the output took its last buffer and the one before, on the steady clock.
    std::atomic<std::chrono::steady_clock::rep> lastTaken{0};
    std::atomic<std::chrono::steady_clock::rep> takenBefore{0};
    std::atomic<bool> feedEnded{false};
    // The player's run that the pipeline plays, which tags what it tells the player.
    std::atomic<quint64> run{0};
    // A stop, which makes the next buffer a short ramp to silence and the last of the stream.
    std::atomic<bool> ending{false};

private:
    FadeOrder takeOrder();
    static void needData(GstAppSrc *source, guint, gpointer self) {
        static_cast<GstPlayerPipeline *>(self)->push(source);
    }
    void push(GstAppSrc *source);
    static GstBusSyncReply busMessage(GstBus *, GstMessage *message, gpointer data);

    std::mutex m_fadeMutex;
    FadeOrder m_fadeOrder;
    // Set for a sink that plays each buffer at its time: the streaming thread then makes each buffer just before.
    bool m_paced = false;
    qsizetype m_chunkFrames;
    ClockPacer m_pacer;
};
