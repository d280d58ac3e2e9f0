#include "loudnesslevels.h"

#include "decoder.h"
#include "generatednoise.h"
#include "loudnessmeter.h"
#include "noisegenerator.h"
#include "sourcelevel.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>

#include <algorithm>
#include <stdexcept>

namespace {

Q_LOGGING_CATEGORY(lcLoudness, "somnivox.loudness")

constexpr qsizetype ChunkFrames = 4096;

} // namespace

struct LoudnessLevels::Measurement {
    QString path;
    QFileInfo file;
    std::unique_ptr<Decoder> decoder;
    std::unique_ptr<LoudnessMeter> meter;
    // Every level handed out for the file while it is measured.
    std::vector<std::shared_ptr<SourceLevel>> levels;
    // The frames still to be measured of a sound that never ends; -1 for one measured to its end.
    qsizetype left = -1;
};

LoudnessLevels::LoudnessLevels(const QString &cacheFile, QObject *parent)
    : QObject(parent), m_cache(cacheFile), m_buffer(ChunkFrames * Decoder::Channels), m_thread([this] { run(); }) {}

LoudnessLevels::~LoudnessLevels() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

std::shared_ptr<SourceLevel> LoudnessLevels::levelOf(const QString &path) {
    auto level = std::make_shared<SourceLevel>();
    if (const auto colour = GeneratedNoise::colourOf(path)) {
        level->set(Loudness::gainFrom(NoiseGenerator::loudness(*colour)));
        return level;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back({path, level});
    }
    m_wake.notify_one();
    return level;
}

// A request is served before the next second of a measurement, so that a sound about to play never waits for one.
void LoudnessLevels::run() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (!m_requests.empty()) {
            const Request request = std::move(m_requests.front());
            m_requests.pop_front();
            lock.unlock();
            serve(request);
            lock.lock();
        } else if (!m_measurements.empty()) {
            lock.unlock();
            Measurement &measurement = m_measurements.front();
            try {
                if (measure(measurement, measurement.decoder->sampleRate())) {
                    finish(measurement);
                    m_measurements.pop_front();
                }
            } catch (const std::runtime_error &e) {
                // What was estimated stands.
                qCWarning(lcLoudness) << "cannot measure" << measurement.path << e.what();
                m_measurements.pop_front();
            }
            lock.lock();
        } else {
            m_wake.wait(lock);
        }
    }
}

void LoudnessLevels::serve(const Request &request) {
    if (!m_cacheLoaded) {
        m_cache.load();
        m_cacheLoaded = true;
    }
    const QFileInfo file(request.path);
    if (const auto known = m_cache.find(file)) {
        tell(request.level, known->gain());
        return;
    }
    for (Measurement &underway : m_measurements) {
        if (underway.file == file && underway.file.size() == file.size() &&
            underway.file.lastModified() == file.lastModified()) {
            underway.levels.push_back(request.level);
            tell(request.level, underway.meter->loudness().gain());
            return;
        }
    }
    try {
        Measurement measurement{request.path, file, openDecoder(request.path), nullptr, {request.level}};
        measurement.meter = std::make_unique<LoudnessMeter>(measurement.decoder->sampleRate());
        if (measurement.decoder->lengthFrames() == Decoder::Endless) {
            measurement.left = EndlessSeconds * measurement.decoder->sampleRate();
        }
        const bool ended = measure(measurement, EstimateSeconds * measurement.decoder->sampleRate());
        tell(request.level, measurement.meter->loudness().gain());
        if (ended) {
            finish(measurement);
        } else {
            m_measurements.push_back(std::move(measurement));
        }
    } catch (const std::runtime_error &e) {
        qCWarning(lcLoudness) << "cannot measure" << request.path << e.what();
        tell(request.level, 1.0);
    }
}

bool LoudnessLevels::measure(Measurement &measurement, qsizetype frames) {
    while (frames > 0 && measurement.left != 0) {
        const qsizetype wanted =
            measurement.left > 0 ? std::min({frames, ChunkFrames, measurement.left}) : std::min(frames, ChunkFrames);
        const qsizetype read =
            measurement.decoder->read(std::span(m_buffer).first(std::size_t(wanted * Decoder::Channels)));
        if (read == 0) {
            return true;
        }
        measurement.meter->add(std::span(m_buffer).first(std::size_t(read * Decoder::Channels)));
        frames -= read;
        if (measurement.left > 0) {
            measurement.left -= read;
        }
    }
    return measurement.left == 0;
}

void LoudnessLevels::finish(Measurement &measurement) {
    const Loudness loudness = measurement.meter->loudness();
    for (const auto &level : measurement.levels) {
        level->set(loudness.gain());
    }
    if (measurement.left == 0) {
        return;
    }
    m_cache.insert(measurement.file, loudness);
    if (!m_cache.save()) {
        qCWarning(lcLoudness) << "cannot write" << m_cache.fileName();
    }
}

void LoudnessLevels::tell(const std::shared_ptr<SourceLevel> &level, double gain) {
    level->set(gain);
    QMetaObject::invokeMethod(
        this, [this, known = level.get()] { Q_EMIT levelKnown(known); }, Qt::QueuedConnection);
}
