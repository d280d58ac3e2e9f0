#include "usersounds.h"
#include "addfolder.h"
#include "mix.h"
#include "regularfile.h"
#include "soundfolderwatch.h"
#include "stylelibrary.h"
#include "warningafterinput.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLoggingCategory>
#include <QMimeData>
#include <QSet>
#include <QSignalBlocker>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcUserSounds, "somnivox.usersounds")

QStringList localFiles(const QList<QUrl> &urls) {
    QStringList files;
    for (const QUrl &url : urls) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    return files;
}

} // namespace

UserSounds::UserSounds(QWidget *window, QComboBox *list, SoundImport::Probe probe, QString programFolder,
                       WarningAfterInput *warning, QString title, std::function<void()> choiceChanged)
    : QObject(window), m_window(window), m_list(list), m_programFolder(std::move(programFolder)), m_warning(warning),
      m_title(std::move(title)), m_choiceChanged(std::move(choiceChanged)),
      m_import(new SoundImport(std::move(probe), StyleLibrary::userSoundsFolder(), this)) {
    connect(m_import, &SoundImport::finished, this, &UserSounds::added);
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

// A name already listed is the user's file when played, unless that file cannot be read.
void UserSounds::appendTo(QComboBox *list) const {
    QSet<QString> listed;
    for (int i = 0; i < list->count(); ++i) {
        listed.insert(list->itemText(i));
    }
    const QSet<QString> own = listed;
    const QString folder = StyleLibrary::userSoundsFolder();
    QStringList added;
    for (const QString &file : ListFolderFiles(folder, u"*.*"_s).names()) {
        const QString style = StyleLibrary::styleName(file);
        if (!listed.contains(style)) {
            listed.insert(style);
            added << style;
        } else if (QString why; own.contains(style) && !canReadRegularFile(folder + u'/' + file, &why)) {
            qCWarning(lcUserSounds).noquote()
                << "The program's own" << style << "plays instead of" << file << "in" << folder << "because:" << why;
        }
    }
    for (const QString &mix : Mix::namesIn(Mix::folder())) {
        if (!listed.contains(mix)) {
            listed.insert(mix);
            added << mix;
        }
    }
    list->addItems(added);
}

void UserSounds::follow() {
    if (m_folderWatches.isEmpty()) {
        for (const QString &folder : {StyleLibrary::userSoundsFolder(), Mix::folder()}) {
            m_folderWatches << new SoundFolderWatch(folder, this);
            connect(m_folderWatches.last(), &SoundFolderWatch::changed, this, &UserSounds::relist);
        }
    }
}

void UserSounds::choose() {
    auto *dialog = new QFileDialog(m_window, tr("Add Sound"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilters({tr("Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)"), tr("All files (*)")});
    connect(dialog, &QFileDialog::filesSelected, this, &UserSounds::add);
    // Returns at once: the schedule and the sound go on while the user looks for files.
    dialog->open();
}

void UserSounds::add(const QStringList &files) {
    if (!files.isEmpty()) {
        m_import->add(files, listedStyles());
    }
}

bool UserSounds::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window && event->type() == QEvent::DragEnter) {
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (!localFiles(enter->mimeData()->urls()).isEmpty()) {
            enter->acceptProposedAction();
        }
        return true;
    }
    if (watched == m_window && event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        drop->acceptProposedAction();
        add(localFiles(drop->mimeData()->urls()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QStringList UserSounds::listedStyles() const {
    QStringList listed;
    for (int i = 0; i < m_list->count(); ++i) {
        listed << m_list->itemText(i);
    }
    return listed;
}

void UserSounds::relist() {
    const QString chosen = m_list->currentText();
    const int formerIndex = m_list->currentIndex();
    const QStringList styles = StyleLibrary::listedStyles(m_programFolder);
    if (styles == listedStyles()) {
        return;
    }
    const int index = formerIndex < 0 ? -1 : StyleLibrary::keptChoice(styles, chosen, formerIndex);
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        m_list->addItems(styles);
        m_list->setCurrentIndex(index);
    }
    if (index != formerIndex || m_list->currentText() != chosen) {
        m_choiceChanged();
    }
    if (formerIndex >= 0 && m_list->currentText() != chosen) {
        m_warning->post(
            m_title,
            index < 0
                ? tr("\"%1\" is gone from your sounds, and no sound is left to choose.").arg(chosen)
                : tr("\"%1\" is gone from your sounds: \"%2\" is chosen instead.").arg(chosen, m_list->currentText()));
    }
}

void UserSounds::added(const SoundImport::Result &result) {
    relist();
    if (!result.added.isEmpty()) {
        if (const int index = m_list->findText(result.added.last()); index >= 0) {
            m_list->setCurrentIndex(index);
        }
    }
    if (!result.refused.isEmpty()) {
        m_warning->post(m_title, result.refused.join(u'\n'));
    }
}
