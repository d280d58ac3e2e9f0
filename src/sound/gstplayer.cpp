#include "gstplayer.h"

#include "decoder.h"
#include "decoderopening.h"
#include "gstplayerpipeline.h"
#include "mixgains.h"
#include "mixsource.h"
#include "pcmfeed.h"
#include "sourcelevel.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcPlayer, "somnivox.player")

constexpr double MinRate = 0.1;
constexpr double MaxRate = 50.0;
// The rise of a mix started afresh with other layers: short, yet no click.
constexpr std::chrono::milliseconds LayersChangedRise{30};

} // namespace

GstPlayer::GstPlayer(QObject *parent) : GstPlayer(openDecoder, parent) {}

GstPlayer::GstPlayer(DecoderOpener opener, QObject *parent)
    : Player(parent), m_openDecoder(std::move(opener)),
      m_output([this] { return m_state == Player::Playing && m_decoder; }) {
    connect(&m_levels, &LoudnessLevels::levelKnown, this, &GstPlayer::handleLevelKnown);
    connect(&m_output, &GstOutput::waitingChanged, this, &Player::waitingForOutputChanged);
    connect(&m_output, &GstOutput::soundEnded, this, &GstPlayer::handleSoundEnded);
    connect(&m_output, &GstOutput::mediaEnded, this, [this] {
        halt();
        setState(MediaEnded);
    });
    connect(&m_output, &GstOutput::failed, this, [this] {
        halt();
        setState(Undefined);
    });
    connect(&m_output, &GstOutput::readyForNext, this, &GstPlayer::catchUp);
    connect(&m_output, &GstOutput::reopenWanted, this, &GstPlayer::reopen);
}

GstPlayer::~GstPlayer() = default;

void GstPlayer::setUrl(const QString &path, std::chrono::milliseconds fadeIn) {
    // The sound that may be heard ends in its ramp first, as at a stop: the file starts once it has.
    if (m_output.beginEnding()) {
        m_decoder.reset();
    } else {
        halt();
    }
    setPath(path);
    m_fadeIn = fadeIn;
    m_level = m_levels.levelOf(path);
    m_mixGains.reset();
    setState(Undefined);
    openFile();
}

// The file is opened on the worker, behind whatever waits there; the player plays in name meanwhile.
void GstPlayer::openFile() {
    m_opening =
        DecoderOpening::post(m_output.prepare(), m_openDecoder, m_path,
                             [this, shared = m_output.shared()](const std::shared_ptr<DecoderOpening> &opening) {
                                 shared->post([this, opening] { takeOpened(opening); });
                             });
    takeOpened(m_opening);
    if (m_opening) {
        setState(Player::Playing);
    }
}

// The file of the present sound has been opened, or has turned out unplayable. Taken by value: it may be m_opening,
// which this resets.
void GstPlayer::takeOpened(std::shared_ptr<DecoderOpening> opening) {
    if (opening != m_opening || !opening->ready()) {
        return;
    }
    m_opening.reset();
    m_decoder = opening->take();
    m_mixGains = m_decoder ? m_decoder->mixGains() : nullptr;
    if (!m_decoder) {
        m_output.endOutage();
        qCWarning(lcPlayer) << "cannot play" << qUtf8Printable(opening->failure());
        setState(Undefined);
        return;
    }
    // Playing in name from here: the output starts on the worker, and the recovery takes over if it does not.
    setState(Player::Playing);
    catchUp();
}

void GstPlayer::fadeOut(std::chrono::milliseconds duration) {
    m_output.fadeOut(duration, false);
}

void GstPlayer::fadeOutByDecibels(std::chrono::milliseconds duration) {
    m_output.fadeOut(duration, true);
}

void GstPlayer::cancelFadeOut() {
    m_output.cancelFadeOut();
}

void GstPlayer::setEvenLoudness(bool on) {
    m_output.shared()->evenLoudness = on;
    // A file that waits for its level waits no more.
    if (!on) {
        catchUp();
    }
}

void GstPlayer::setLoop(bool on) {
    m_output.shared()->loop = on;
}

void GstPlayer::setVolume(int volume) {
    m_output.shared()->volume = std::clamp(volume, 0, 100);
    m_output.applyVolume();
}

void GstPlayer::setRate(double rate) {
    if (std::isnan(rate)) {
        return;
    }
    const double clamped = std::clamp(rate, MinRate, MaxRate);
    if (m_output.shared()->rate.exchange(clamped) != clamped) {
        m_output.dropHeldAudio();
    }
}

void GstPlayer::setMixLayers(const QString &source) {
    const auto playing = MixSource::layersOf(m_path);
    const auto next = MixSource::layersOf(source);
    if (m_state != Player::Playing || !playing || !next || source == m_path) {
        return;
    }
    const auto paths = [](const QList<MixSource::Layer> &layers) {
        QStringList paths;
        for (const MixSource::Layer &layer : layers) {
            paths << layer.path;
        }
        return paths;
    };
    if (!m_mixGains || paths(*playing) != paths(*next)) {
        setUrl(source, LayersChangedRise);
        return;
    }
    QList<int> volumes;
    for (const MixSource::Layer &layer : *next) {
        volumes << layer.volume;
    }
    setPath(source);
    m_mixGains->setVolumes(volumes);
    m_output.dropHeldAudio();
}

void GstPlayer::stop() {
    // A file given while the sound was ending never starts.
    m_decoder.reset();
    m_opening.reset();
    if (!m_output.beginEnding()) {
        halt();
    }
    m_output.endOutage();
    setState(Stopped);
}

bool GstPlayer::isEnding() const {
    return m_output.isEnding();
}

bool GstPlayer::isWaitingForOutput() const {
    return m_state == Player::Playing && m_output.isWaiting();
}

void GstPlayer::setOutputDevice(const QString &name) {
    m_output.setDevice(name.toUtf8());
}

int GstPlayer::playState() const {
    return m_state;
}

void GstPlayer::setState(int state) {
    m_output.setSoundWanted(state == Player::Playing);
    if (state != m_state) {
        m_state = state;
        Q_EMIT playStateChanged();
    }
}

QString GstPlayer::sinkDescription() const {
    return m_output.sinkDescription();
}

// The server shows the file's base name as the stream's title.
void GstPlayer::setPath(const QString &path) {
    m_path = path;
    m_output.setTitle(QFileInfo(path).completeBaseName().toUtf8());
}

// Whatever plays is halted, and a file being opened or waiting to start is given up.
void GstPlayer::halt() {
    m_output.halt();
    m_decoder.reset();
    m_opening.reset();
}

// The opened file starts once the output is free (nothing runs or starts on the worker) and, while even loudness is
// on, once its level is known.
void GstPlayer::catchUp() {
    if (m_state != Player::Playing || !m_decoder || !m_output.isFree() ||
        (m_output.shared()->evenLoudness && !(m_level && m_level->isKnown()))) {
        return;
    }
    try {
        m_output.start(std::make_shared<PcmFeed>(std::move(m_decoder), PcmFeed::framesIn(m_fadeIn), m_level));
    } catch (const std::runtime_error &e) {
        giveUp(e);
    }
}

// The output may answer again: the file starts afresh, and one that has become unplayable ends the outage.
void GstPlayer::reopen() {
    const QString path = m_path;
    try {
        setUrl(path, m_fadeIn);
    } catch (const std::runtime_error &e) {
        giveUp(e);
    }
}

// The pipeline cannot be built: nothing plays, and no outage is waited out.
void GstPlayer::giveUp(const std::runtime_error &error) {
    qCWarning(lcPlayer) << error.what();
    m_output.endOutage();
    setState(Undefined);
}

// The ramp has been heard and the output released: a file given meanwhile starts.
void GstPlayer::handleSoundEnded() {
    if (m_state != Player::Playing) {
        m_decoder.reset();
        m_opening.reset();
    }
    Q_EMIT soundEnded();
    catchUp();
}

void GstPlayer::handleLevelKnown(const SourceLevel *level) {
    if (level == m_level.get()) {
        catchUp();
    }
}
