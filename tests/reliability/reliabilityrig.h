#pragma once

// The main window over any player, with the measurements the reliability tests take: hand-overs to the player
// and resident memory.

#include "apptimer.h"
#include "generatednoise.h"
#include "player.h"
#include "settingconversions.h"

#include "fakes/form1world.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <memory>
#include <stdexcept>

/// Passes every call on to a real player and counts the files handed to it.
class CountingPlayer final : public Player {
public:
    explicit CountingPlayer(Player &inner) : m_inner(inner) {}

    int handOvers = 0;
    QString lastUrl;
    /// While set, handing a file over throws, as a player refusing it would.
    bool refuseUrls = false;

    void setUrl(const QString &path, std::chrono::milliseconds fadeIn) override {
        ++handOvers;
        lastUrl = path;
        if (refuseUrls) {
            throw std::runtime_error("The player refused the file");
        }
        m_inner.setUrl(path, fadeIn);
    }
    void fadeOut(std::chrono::milliseconds duration) override { m_inner.fadeOut(duration); }
    void fadeOutByDecibels(std::chrono::milliseconds duration) override { m_inner.fadeOutByDecibels(duration); }
    void cancelFadeOut() override { m_inner.cancelFadeOut(); }
    void setLoop(bool on) override { m_inner.setLoop(on); }
    void setVolume(int volume) override { m_inner.setVolume(volume); }
    void setRate(double rate) override { m_inner.setRate(rate); }
    void setEvenLoudness(bool on) override { m_inner.setEvenLoudness(on); }
    void setMixLayers(const QString &source) override { m_inner.setMixLayers(source); }
    void stop() override { m_inner.stop(); }
    int playState() const override { return m_inner.playState(); }
    bool isEnding() const override { return m_inner.isEnding(); }
    bool isWaitingForOutput() const override { return m_inner.isWaitingForOutput(); }
    void setOutputDevice(const QString &name) override { m_inner.setOutputDevice(name); }

private:
    Player &m_inner;
};

namespace measure {

/// Resident memory of this process in KiB.
inline qint64 residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

// g++ tells of AddressSanitizer with a macro, clang with a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define SOMNIVOX_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOMNIVOX_ADDRESS_SANITIZER
#endif
#endif

#ifdef SOMNIVOX_ADDRESS_SANITIZER
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

/// Memory the process holds in KiB: resident memory, or under AddressSanitizer, whose quarantine keeps freed memory
/// resident, the heap in use.
inline qint64 heldKiB() {
#ifdef SOMNIVOX_ADDRESS_SANITIZER
    return qint64(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return residentKiB();
#endif
}

/// Processor time this process has used, all its threads together, in seconds.
inline double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace measure

/// A main window in a temporary program folder with its own settings file, over \a player.
class ReliabilityRig : public Form1World {
public:
    CountingPlayer player;
    std::unique_ptr<Form1> form;
    int ticks = 0;

    explicit ReliabilityRig(Player &inner) : player(inner) { QDir(dir.path()).mkdir(QStringLiteral("sounds")); }

    /// How many generated noises the list holds before the sounds folder's files.
    static int generated() { return int(GeneratedNoise::styles().size()); }

    QString soundsFolder() const { return dir.filePath(QStringLiteral("sounds")); }
    QString soundPath(const QString &fileName) const { return soundsFolder() + u'/' + fileName; }

    /// Stores the settings of a program that was on, in the "Timed" option, inside a window around the fake
    /// clock's noon, with the sounds folder's entry \a index chosen (listed after the generated noises).
    void storeOnAndTimed(int index) {
        store->WriteSetting(QStringLiteral("StartStopState"), QStringLiteral("ON"));
        store->WriteSetting(QStringLiteral("Option"), QStringLiteral("Timed"));
        store->WriteSetting(QStringLiteral("Combo1"), QString::number(generated() + index));
        const QDate day = clock.current.date();
        store->WriteSetting(QStringLiteral("Time From"), SettingConversions::dateTimeToText({day, QTime(11, 0)}));
        store->WriteSetting(QStringLiteral("Time To"), SettingConversions::dateTimeToText({day, QTime(13, 0)}));
    }

    Form1 *load() {
        form = std::make_unique<Form1>(services(player));
        QObject::connect(form->timer1(), &AppTimer::Timer, form.get(), [this] { ++ticks; });
        form->Form_Load();
        return form.get();
    }

    template<typename T>
    T *child(const char *name) const {
        return form->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *onOff() const { return child<QPushButton>("PushButton2"); }
    QPushButton *preview() const { return child<QPushButton>("PushButton1"); }
    QComboBox *styles() const { return child<QComboBox>("Combo1"); }

    /// Lets the real Timer1 tick \a count more times.
    bool waitForTicks(int count, int timeoutMs = 10000) {
        const int target = ticks + count;
        return QTest::qWaitFor([&] { return ticks >= target; }, timeoutMs);
    }
};
