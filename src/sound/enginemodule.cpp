#include "enginemodule.h"

#include "decoder.h"
#include "gstoutputdevices.h"
#include "gstplayer.h"

#include <array>
#include <exception>

using namespace Qt::StringLiterals;

extern "C" Q_DECL_EXPORT Player *somnivox_create_player() {
    return new GstPlayer;
}

extern "C" Q_DECL_EXPORT OutputDevices *somnivox_create_output_devices() {
    return new GstOutputDevices;
}

extern "C" Q_DECL_EXPORT void somnivox_find_sound_problem(const QString &path, QString &problem) {
    try {
        const std::unique_ptr<Decoder> decoder = openDecoder(path);
        std::array<std::int16_t, 4096 * Decoder::Channels> frames{};
        if (decoder->read(frames) == 0) {
            problem = u"it holds no sound"_s;
        }
    } catch (const std::exception &error) {
        problem = QString::fromUtf8(error.what());
    } catch (...) {
        problem = u"it cannot be decoded"_s;
    }
}
