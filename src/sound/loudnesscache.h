#pragma once

#include "loudness.h"

#include <QHash>
#include <QString>
#include <QtGlobal>

#include <optional>

class QFileInfo;

/// The loudness of the files measured so far, kept on disk so that each file is measured once: an entry holds for
/// the file at its path only while it keeps the size and modification time it was measured at. A file that is
/// damaged or was never written reads as empty; a line that makes no sense is passed over. Not thread-safe.
class LoudnessCache {
public:
    /// Kept in \a fileName; by default $XDG_CACHE_HOME/somnivox/loudness.ini.
    explicit LoudnessCache(const QString &fileName = defaultFileName());

    static QString defaultFileName();
    QString fileName() const { return m_fileName; }

    /// Reads the file, replacing what was held.
    void load();
    /// Writes every entry to the file, whole or not at all, leaving out the files that are gone; false when it cannot
    /// be written.
    bool save() const;

    /// The loudness measured for \a file, as it is now.
    std::optional<Loudness> find(const QFileInfo &file) const;
    /// Keeps \a loudness for \a file as it is now.
    void insert(const QFileInfo &file, const Loudness &loudness);

private:
    struct Entry {
        qint64 size = 0;
        qint64 modified = 0;
        Loudness loudness;
    };

    QString m_fileName;
    QHash<QString, Entry> m_entries;
};
