#pragma once

#include "decoder.h"

#include <QString>

#include <sys/types.h>

#include <memory>
#include <optional>

/// The decoder of a file that notices when the file changes under it: replaced, rewritten or cut short since it was
/// opened. reopenIfChanged() then opens it afresh, or, when it no longer plays, goes on with what it had open;
/// everything else is the decoder's own.
class ReopeningDecoder final : public Decoder {
    Q_DISABLE_COPY_MOVE(ReopeningDecoder)

public:
    /// Opens a decoder of a file; throws std::runtime_error with the reason when the file does not play.
    using Opener = std::unique_ptr<Decoder> (*)(const QString &path);

    /// Opens \a path with \a open, which may throw.
    ReopeningDecoder(QString path, Opener open);
    ~ReopeningDecoder() override;

    int sampleRate() const override { return m_decoder->sampleRate(); }
    qsizetype read(std::span<std::int16_t> out) override { return m_decoder->read(out); }
    void rewind() override { m_decoder->rewind(); }
    bool reopenIfChanged() override;
    qsizetype lengthFrames() const override { return m_decoder->lengthFrames(); }

private:
    struct Identity {
        dev_t device;
        ino_t inode;
        off_t size;
        time_t modifiedSeconds;
        long modifiedNanoseconds;
        bool operator==(const Identity &) const = default;
    };
    static std::optional<Identity> identityOf(const QString &path);

    QString m_path;
    Opener m_open;
    std::optional<Identity> m_identity;
    std::unique_ptr<Decoder> m_decoder;
};
