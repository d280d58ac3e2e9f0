#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <mutex>

class Decoder;
class PipelineWorker;

/// A sound file opened on the player's worker, so that a file that does not answer (on a share gone away) holds the
/// worker and never the caller. The outcome is taken on the caller's thread: at once from a worker without a thread
/// of its own, otherwise once the worker tells it is in.
class DecoderOpening {
    Q_DISABLE_COPY_MOVE(DecoderOpening)

public:
    using Opener = std::function<std::unique_ptr<Decoder>(const QString &path)>;
    using Told = std::function<void(const std::shared_ptr<DecoderOpening> &opening)>;

    DecoderOpening() = default;
    ~DecoderOpening();

    /// Opens \a path with \a open on \a worker, which calls \a told when the outcome is in.
    static std::shared_ptr<DecoderOpening> post(PipelineWorker &worker, Opener open, const QString &path, Told told);

    /// Whether the outcome is in and not yet taken.
    bool ready();
    /// The opened file, or none when it does not play; the reason is then failure().
    std::unique_ptr<Decoder> take();
    QString failure();

private:
    std::mutex m_mutex;
    bool m_done = false;
    std::unique_ptr<Decoder> m_decoder;
    QString m_failure;
};
