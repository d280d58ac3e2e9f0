#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

class Player;
class QLabel;
class QWidget;
class cSysTray;

/// Says in one calm line, below the window's controls and in the tray icon's tooltip, that nothing is heard while the
/// sound plays in name only, its sound server missing or lost; gone as soon as the sound plays. Hidden, the line takes
/// no room: the window grows by its height while it shows.
class OutputNotice : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutputNotice)

public:
    /// \a player, \a window and \a tray outlive the notice; the line is a child of \a window.
    OutputNotice(Player &player, QWidget &window, cSysTray &tray, QObject *parent = nullptr);
    ~OutputNotice() override = default;

    static QString text();
    bool isShown() const { return m_shown; }

private:
    void update();

    Player &m_player;
    QWidget &m_window;
    cSysTray &m_tray;
    QLabel *m_line;
    bool m_shown = false;
    // The window's height and the tooltip without the line.
    int m_windowHeight = 0;
    QString m_tip;
};
