#pragma once

#include "loudnesscache.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class Decoder;
class LoudnessMeter;
class SourceLevel;

/// Finds the gain at which each source plays at the program's one loudness, on a thread of its own. A file is
/// measured once: its loudness is kept in a LoudnessCache. Until then a quick estimate over its first seconds sets
/// its level, and the measurement of the whole, made a second of sound at a time behind any newer request, corrects
/// it. A file that cannot be measured plays at its own level.
class LoudnessLevels : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoudnessLevels)

public:
    /// How much of a file the estimate hears.
    static constexpr qsizetype EstimateSeconds = 3;
    /// How much of a sound that never ends (a mix) is measured. It is not kept in the cache: what it is made of may
    /// change without its own file changing.
    static constexpr qsizetype EndlessSeconds = 60;

    /// Keeps what it measures in \a cacheFile, which its thread reads at the first request.
    explicit LoudnessLevels(const QString &cacheFile = LoudnessCache::defaultFileName(), QObject *parent = nullptr);
    /// Waits for no more than the step under way.
    ~LoudnessLevels() override;

    /// The level that \a path is to play at: known at once for a generated noise, otherwise from the thread, which
    /// then tells levelKnown().
    std::shared_ptr<SourceLevel> levelOf(const QString &path);

Q_SIGNALS:
    /// \a level, handed out by levelOf(), has its first gain; told on the thread that owns this object.
    void levelKnown(const SourceLevel *level);

private:
    struct Request {
        QString path;
        std::shared_ptr<SourceLevel> level;
    };
    struct Measurement;

    void run();
    void serve(const Request &request);
    /// Measures \a frames more of \a measurement; whether its sound has ended.
    bool measure(Measurement &measurement, qsizetype frames);
    void finish(Measurement &measurement);
    void tell(const std::shared_ptr<SourceLevel> &level, double gain);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Request> m_requests;
    bool m_stopping = false;
    // The thread's own from here on.
    LoudnessCache m_cache;
    bool m_cacheLoaded = false;
    // A list may hold a type that is only declared here.
    std::list<Measurement> m_measurements;
    std::vector<std::int16_t> m_buffer;
    std::thread m_thread;
};
