#pragma once

#include "mix.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class Player;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;

/// A small window that makes, changes and deletes the user's mixes: every style that is not a mix, with a check box
/// and a volume, under the mix's name. Nothing is written before "Save"; while the mix being edited is the one that
/// plays, each change is heard at once.
class MixerWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MixerWindow)

public:
    /// \a playingStyle names the style that the player plays when it plays; the player and the program folder are the
    /// caller's.
    MixerWindow(Player &player, QString programFolder, std::function<QString()> playingStyle,
                QWidget *parent = nullptr);
    ~MixerWindow() override;

    /// Lists the styles and mixes afresh and brings the window forward.
    void showMixer();
    /// Loads the saved mix \a name into the boxes and sliders; a mix that cannot be read is told, the boxes cleared.
    void load(const QString &name);
    /// The mix as the boxes and sliders make it.
    Mix edited() const;
    /// Writes the mix under the name given; a refusal is told in the window.
    bool save();
    /// Deletes the file of the mix named, at once.
    bool remove();
    /// The last outcome told in the window.
    QString message() const;

private:
    struct Row {
        QString style;
        QCheckBox *box;
        QSlider *volume;
    };

    void relist();
    QString name() const;
    void tell(const QString &text);
    void changed();

    Player &m_player;
    QString m_programFolder;
    std::function<QString()> m_playingStyle;
    QComboBox *m_name;
    QGridLayout *m_grid;
    QLabel *m_message;
    QPushButton *m_save;
    QPushButton *m_delete;
    QPushButton *m_close;
    QList<Row> m_rows;
    // The layers as loaded: their order is kept, so that the playing mix hears a change of volume as one.
    QList<Mix::Layer> m_loaded;
    // What plays each style, looked up when the styles are listed rather than at every move of a slider.
    QHash<QString, QString> m_files;
    bool m_loading = false;
};
