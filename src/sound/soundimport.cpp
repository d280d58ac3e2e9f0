#include "soundimport.h"

#include "copyunderfreename.h"
#include "stylelibrary.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcSoundImport, "somnivox.soundimport")

SoundImport::SoundImport(Probe probe, const QString &folder, QObject *parent)
    : QObject(parent), m_probe(std::move(probe)), m_folder(folder) {}

void SoundImport::add(const QStringList &files, const QStringList &listed) {
    // The watcher goes with this object, taking a result that comes too late with it.
    auto *watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcher<Result>::finished, this, [this, watcher] {
        watcher->deleteLater();
        Q_EMIT finished(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(&SoundImport::addNow, m_probe, m_folder, files, listed));
}

SoundImport::Result SoundImport::addNow(const Probe &probe, const QString &folder, const QStringList &files,
                                        const QStringList &listed) {
    Result result;
    QSet<QString> taken(listed.cbegin(), listed.cend());
    for (const QString &file : files) {
        const QString shown = QFileInfo(file).fileName();
        QString why = probe(file);
        QString name;
        if (why.isEmpty()) {
            name = copyUnderFreeName(
                file, folder, copyName(shown),
                [&taken](const QString &candidate) { return taken.contains(StyleLibrary::styleName(candidate)); },
                &why);
        }
        if (name.isEmpty()) {
            qCWarning(lcSoundImport).noquote() << "Not adding" << file << "because:" << why;
            result.refused << tr("\"%1\" cannot be played, so it was not added.").arg(shown);
            continue;
        }
        const QString style = StyleLibrary::styleName(name);
        taken.insert(style);
        result.added << style;
    }
    return result;
}

QString SoundImport::copyName(const QString &fileName) {
    if (StyleLibrary::isOtherSoundFormat(fileName)) {
        return StyleLibrary::styleName(fileName);
    }
    QString stem = fileName;
    if (stem.endsWith(u".mp3"_s, Qt::CaseInsensitive)) {
        stem.chop(4);
    }
    return StyleLibrary::styleName(stem) + u".mp3"_s;
}
