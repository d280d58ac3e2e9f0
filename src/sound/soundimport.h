#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

/// Adds the user's own sound files to their sounds folder, off the GUI thread: each file is first tried with the
/// engine's decoder, and one that plays is copied in under a name that no listed style has yet.
class SoundImport : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundImport)

public:
    /// Why the file at a path does not play; empty when it plays. Called on a worker thread.
    using Probe = std::function<QString(const QString &path)>;

    struct Result {
        /// The styles added, in the order of the files.
        QStringList added;
        /// One line for each file refused, naming it.
        QStringList refused;
    };

    /// \a folder is where the copies go.
    SoundImport(Probe probe, const QString &folder, QObject *parent = nullptr);
    ~SoundImport() override = default;

    /// Starts adding \a files beside the styles \a listed, whose names are taken; finished() follows.
    void add(const QStringList &files, const QStringList &listed);

    /// The work of add(), done in the caller's thread.
    static Result addNow(const Probe &probe, const QString &folder, const QStringList &files,
                         const QStringList &listed);
    /// The name a file called \a fileName is copied under, so that its style plays it: the program plays an MP3
    /// as its style's name with ".mp3", other formats by their own name.
    static QString copyName(const QString &fileName);

Q_SIGNALS:
    void finished(const SoundImport::Result &result);

private:
    Probe m_probe;
    QString m_folder;
};
