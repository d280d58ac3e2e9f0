#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

class MprisService;

/// The org.mpris.MediaPlayer2 face of the media controls: who the player is.
class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MprisRootAdaptor)
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supported)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supported)

public:
    explicit MprisRootAdaptor(MprisService *service);
    ~MprisRootAdaptor() override = default;

    bool canQuit() const { return false; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const;
    QString desktopEntry() const;
    QStringList supported() const { return {}; }

public Q_SLOTS:
    void Raise();
    void Quit() {}

private:
    MprisService *m_service;
};
