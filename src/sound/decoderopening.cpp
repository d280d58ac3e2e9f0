#include "decoderopening.h"

#include "decoder.h"
#include "pipelineworker.h"

#include <stdexcept>

DecoderOpening::~DecoderOpening() = default;

std::shared_ptr<DecoderOpening> DecoderOpening::post(PipelineWorker &worker, Opener open, const QString &path,
                                                     Told told) {
    auto opening = std::make_shared<DecoderOpening>();
    worker.post([opening, open = std::move(open), path, told = std::move(told)] {
        std::unique_ptr<Decoder> decoder;
        QString failure;
        try {
            decoder = open(path);
        } catch (const std::runtime_error &e) {
            failure = QString::fromUtf8(e.what());
        }
        {
            const std::lock_guard lock(opening->m_mutex);
            opening->m_decoder = std::move(decoder);
            opening->m_failure = failure;
            opening->m_done = true;
        }
        told(opening);
    });
    return opening;
}

bool DecoderOpening::ready() {
    const std::lock_guard lock(m_mutex);
    return m_done;
}

std::unique_ptr<Decoder> DecoderOpening::take() {
    const std::lock_guard lock(m_mutex);
    return std::move(m_decoder);
}

QString DecoderOpening::failure() {
    const std::lock_guard lock(m_mutex);
    return m_failure;
}
