#pragma once

#include "player.h"

#include <QStringList>

#include <stdexcept>

using namespace Qt::StringLiterals;

/// A player that records what it is asked and plays whatever it is given until told otherwise.
class FakePlayer final : public Player {
public:
    QStringList calls;
    QString url;
    bool loop = false;
    int volume = 50;
    double rate = 1.0;
    bool evenLoudness = true;
    int state = 0;
    /// Set by a stop of a sound that plays: it falls silent when fallSilent() says so.
    bool ending = false;
    /// Playing in name while the output is lost.
    bool waiting = false;
    /// The next call of this name throws, as a player refusing it would.
    QString failNext;
    /// Files that never start playing, as a missing or corrupt file would not.
    QStringList unplayable;
    /// The fade-in of the last file given, and every fade-out asked for since, in milliseconds.
    qint64 fadeIn = -1;
    QList<qint64> fadeOuts;
    /// The same for the fades by decibels; a fade-out called off is recorded there as -1.
    QList<qint64> decibelFadeOuts;

    void setUrl(const QString &path, std::chrono::milliseconds fade) override {
        record(u"setUrl "_s + path);
        url = path;
        fadeIn = fade.count();
        state = unplayable.contains(path) ? 0 : Playing;
    }
    void fadeOut(std::chrono::milliseconds duration) override {
        if (state == Playing) {
            fadeOuts << duration.count();
        }
    }
    void fadeOutByDecibels(std::chrono::milliseconds duration) override {
        if (state == Playing) {
            decibelFadeOuts << duration.count();
        }
    }
    void cancelFadeOut() override {
        if (state == Playing) {
            decibelFadeOuts << -1;
        }
    }
    void setLoop(bool on) override {
        record(on ? QStringLiteral("setLoop on") : QStringLiteral("setLoop off"));
        loop = on;
    }
    void setVolume(int value) override {
        record(u"setVolume "_s + QString::number(value));
        volume = value;
    }
    void setRate(double value) override {
        record(u"setRate "_s + QString::number(value));
        rate = value;
    }
    void setEvenLoudness(bool on) override { evenLoudness = on; }
    void setMixLayers(const QString &source) override {
        record(u"setMixLayers "_s + source);
        if (state == Playing) {
            url = source;
        }
    }
    void stop() override {
        record(QStringLiteral("stop"));
        ending = ending || state == Playing;
        state = 0;
    }
    int playState() const override {
        if (failNext == QStringLiteral("playState")) {
            throw std::runtime_error("player gone");
        }
        return state;
    }
    bool isEnding() const override { return ending; }
    bool isWaitingForOutput() const override { return waiting; }
    void setOutputDevice(const QString &name) override { record(u"setOutputDevice "_s + name); }

    /// The file came to its end (loop off).
    void finish() { state = 0; }
    /// A stopped sound's ramp has been heard.
    void fallSilent() {
        ending = false;
        Q_EMIT soundEnded();
    }

private:
    void record(const QString &call) {
        const QString name = call.section(u' ', 0, 0);
        if (name == failNext) {
            failNext.clear();
            throw std::runtime_error("The player refused " + name.toStdString());
        }
        calls << call;
    }
};
