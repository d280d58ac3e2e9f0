#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

/// The program as a media player on the session bus (MPRIS 2), so that the desktop's media keys and player controls
/// reach it. Playing and stopping go through the on/off button's own handler, so the choice is stored as a click's.
class MprisService : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MprisService)

public:
    /// What the media controls see and drive of the program.
    struct Controls {
        /// Whether the program is turned on.
        std::function<bool()> isOn;
        /// Whether the sound is heard now.
        std::function<bool()> isHeard;
        /// Turns the program on or off, as the on/off button does.
        std::function<void()> pressOnOff;
        /// Shows the window, normal and focused.
        std::function<void()> raise;
        /// The name of the chosen style.
        std::function<QString()> styleName;
    };

    static constexpr auto ServiceName = "org.mpris.MediaPlayer2.somnivox";
    static constexpr auto Identity = "Somnivox Noise Player";
    static constexpr auto DesktopEntry = "org.vantrelle.Somnivox";
    explicit MprisService(Controls controls, QObject *parent = nullptr);
    ~MprisService() override = default;

    /// Exports the player on \a bus and asks for its name there, without waiting for the answer; a name held by
    /// another client passes to the player when that one gives it up. Called again for a bus that came back.
    void publish(const QDBusConnection &bus);
    /// Looks at the program again and tells the bus what changed; called whenever the sound, the on/off state or
    /// the style may have changed.
    void refresh();

    QString playbackStatus() const;
    QVariantMap metadata() const;
    void play();
    void pause();
    void stop();
    void playPause();
    void raise();

private:
    Controls m_controls;
    std::optional<QDBusConnection> m_bus;
    QString m_status;
    QVariantMap m_metadata;
};
