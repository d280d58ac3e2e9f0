#pragma once

#include <QObject>
#include <QString>

#include <chrono>

/// The media player through which every sound of the program is heard.
/// An operation the player cannot carry out throws std::runtime_error with the reason.
class Player : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Player)

public:
    /// The value of playState() while a file is playing.
    static constexpr int Playing = 3;

    using QObject::QObject;
    ~Player() override = default;

    /// Replaces whatever plays and starts \a path from its first sample, rising from silence to the set volume over
    /// \a fadeIn (zero: at full level from the first sample). A file that cannot be played (missing, unreadable, not
    /// a sound) is not a failure of this call: the player is then simply not playing.
    virtual void setUrl(const QString &path, std::chrono::milliseconds fadeIn) = 0;
    /// While a file plays, its level falls to silence over \a duration from now and stays there until the next
    /// file; a fade-out under way is taken over from its present level. Ignored while nothing plays.
    virtual void fadeOut(std::chrono::milliseconds duration) = 0;
    /// As fadeOut(), but evenly to the ear: the level falls by the same number of decibels each second, from the
    /// present level to 60 dB below the set volume as \a duration ends, and then is silent.
    virtual void fadeOutByDecibels(std::chrono::milliseconds duration) = 0;
    /// A fade-out under way, or one that has fallen silent, is called off: the sound comes back to the set volume
    /// at once, rising from silence in a few milliseconds. Harmless while nothing fades.
    virtual void cancelFadeOut() = 0;
    /// While on, a file that ends starts again from its first sample; holds for every later file.
    virtual void setLoop(bool on) = 0;
    /// Loudness on the 0 to 100 scale, effective at once.
    virtual void setVolume(int volume) = 0;
    /// Playback speed factor (1.0 is normal speed), effective at once.
    virtual void setRate(double rate) = 0;
    /// While on (the default), every sound plays at the program's one loudness, the volume acting on top; off, each
    /// at its own. A change moves the level of what plays in a ramp; holds for every later file.
    virtual void setEvenLoudness(bool on) = 0;
    /// While a mix plays, its layers become those of \a source (a mix's source, see MixSource): a change of the
    /// volumes alone is heard within a few tens of milliseconds, with no break in the sound; a layer added or left out
    /// starts the mix afresh after a short ramp. Ignored while nothing or a single sound plays.
    virtual void setMixLayers(const QString &source) = 0;
    /// Stops playback at once, ending the sound in a ramp of a few milliseconds; harmless while nothing plays.
    virtual void stop() = 0;
    /// Playing while a file is accepted and has not ended, been stopped or failed; anything else is not playing.
    virtual int playState() const = 0;
    /// Whether a stopped sound is still falling to silence in its ramp, which the output plays out before it goes.
    virtual bool isEnding() const = 0;
    /// Whether the sound plays in name only while its lost output (a sound server gone) is being opened again.
    virtual bool isWaitingForOutput() const = 0;
    /// Plays through the sound server's output named \a name (a stable name such as a PulseAudio sink's), or its
    /// default output for an empty name. A sound that plays moves there at once, without a click; an output that
    /// cannot take a device ignores it.
    virtual void setOutputDevice(const QString &name) = 0;

Q_SIGNALS:
    /// playState() has changed; a call may pass through more than one state before it returns.
    void playStateChanged();
    /// A stopped sound has fallen silent: isEnding() has become false.
    void soundEnded();
    /// isWaitingForOutput() may have changed.
    void waitingForOutputChanged();
};
