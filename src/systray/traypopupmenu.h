#pragma once

#include <QHash>
#include <QMenu>

class QAction;
class QActionGroup;
class TrayMenu;

/// The tray's menu as a popup of Qt's, for trays that leave the menu to the program (the XEmbed tray of X11).
/// It follows the model's texts at once, and choosing an entry chooses the model's item.
class TrayPopupMenu : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayPopupMenu)

public:
    explicit TrayPopupMenu(TrayMenu &model, QWidget *parent = nullptr);
    ~TrayPopupMenu() override = default;

    /// The entry that shows the model's item \a id, or nullptr.
    QAction *actionFor(int id) const { return m_actions.value(id); }

private:
    void addItems(QMenu &menu, int parent);
    void update(const QList<int> &ids);
    void replaceChildren(int parent);

    TrayMenu &m_model;
    QHash<int, QAction *> m_actions;
    // The group that draws a submenu's radio items as one choice, by the submenu's id.
    QHash<int, QActionGroup *> m_groups;
};
