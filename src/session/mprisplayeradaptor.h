#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

class MprisService;

/// The org.mpris.MediaPlayer2.Player face of the media controls: one endless sound that plays or stops; no tracks
/// to skip, nothing to seek.
class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MprisPlayerAdaptor)
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ one)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ no)
    Q_PROPERTY(bool CanGoPrevious READ no)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanControl READ yes)

public:
    explicit MprisPlayerAdaptor(MprisService *service);
    ~MprisPlayerAdaptor() override = default;

    QString playbackStatus() const;
    QVariantMap metadata() const;
    double one() const { return 1.0; }
    qlonglong position() const { return 0; }
    bool no() const { return false; }
    bool yes() const { return true; }

public Q_SLOTS:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next() {}
    void Previous() {}
    void Seek(qlonglong offset) { Q_UNUSED(offset); }
    void SetPosition(const QDBusObjectPath &track, qlonglong position) {
        Q_UNUSED(track);
        Q_UNUSED(position);
    }
    void OpenUri(const QString &uri) { Q_UNUSED(uri); }

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    MprisService *m_service;
};
