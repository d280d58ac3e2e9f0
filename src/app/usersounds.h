#pragma once

#include "soundimport.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QWidget;
class SoundFolderWatch;
class WarningAfterInput;

/// The user's own sounds in the window's list of styles: listed after the program's, added through the file chooser
/// or dropped on the window, and followed as their folder changes by any other means.
class UserSounds : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UserSounds)

public:
    /// \a list is the window's list of styles; \a choiceChanged is called when a relisting changes the chosen style.
    /// Files dropped on \a window are added; warnings go out under \a title.
    UserSounds(QWidget *window, QComboBox *list, SoundImport::Probe probe, QString programFolder,
               WarningAfterInput *warning, QString title, std::function<void()> choiceChanged);
    ~UserSounds() override = default;

    /// Appends the user's sounds and then mixes whose names are not listed yet.
    void appendTo(QComboBox *list) const;
    /// Appends \a styles to \a list, each shown by the name the user reads and holding the name stored and played.
    static void appendStyles(QComboBox *list, const QStringList &styles);
    /// From now on, a change of the sounds or mixes folder is listed within moments, keeping the chosen style by its
    /// name.
    void follow();
    /// Opens the file chooser for sounds to add, without waiting for it.
    void choose();
    /// Copies \a files into the user's sounds folder, lists them and chooses the last; refuses those that do not play.
    void add(const QStringList &files);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList listedStyles() const;
    QString chosenStyle() const;
    /// Lists the sounds folders afresh, keeping the chosen style by its name.
    void relist();
    void added(const SoundImport::Result &result);

    QWidget *m_window;
    QComboBox *m_list;
    QString m_programFolder;
    WarningAfterInput *m_warning;
    QString m_title;
    std::function<void()> m_choiceChanged;
    SoundImport *m_import;
    QList<SoundFolderWatch *> m_folderWatches;
};
