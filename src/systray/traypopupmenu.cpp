#include "traypopupmenu.h"

#include "traymenu.h"

#include <QActionGroup>

TrayPopupMenu::TrayPopupMenu(TrayMenu &model, QWidget *parent) : QMenu(parent), m_model(model) {
    addItems(*this, TrayMenu::Root);
    connect(&m_model, &TrayMenu::itemsChanged, this, &TrayPopupMenu::update);
    connect(&m_model, &TrayMenu::childrenChanged, this, &TrayPopupMenu::replaceChildren);
    connect(this, &QMenu::aboutToShow, &m_model, [this] { m_model.open(TrayMenu::Root); });
}

void TrayPopupMenu::addItems(QMenu &menu, int parent) {
    for (const TrayMenu::Item &item : m_model.children(parent)) {
        QAction *action = nullptr;
        switch (item.kind) {
        case TrayMenu::Kind::Separator:
            action = menu.addSeparator();
            break;
        case TrayMenu::Kind::Submenu: {
            QMenu *submenu = menu.addMenu(item.label);
            addItems(*submenu, item.id);
            connect(submenu, &QMenu::aboutToShow, &m_model, [this, id = item.id] { m_model.open(id); });
            action = submenu->menuAction();
            break;
        }
        case TrayMenu::Kind::Action:
            action = menu.addAction(item.label);
            action->setCheckable(item.mark != TrayMenu::Mark::None);
            connect(action, &QAction::triggered, this, [this, id = item.id] { m_model.choose(id); });
            if (item.mark == TrayMenu::Mark::Radio) {
                QActionGroup *&group = m_groups[parent];
                if (group == nullptr) {
                    group = new QActionGroup(&menu);
                }
                group->addAction(action);
            }
            break;
        }
        action->setEnabled(item.enabled);
        action->setChecked(item.checked);
        m_actions.insert(item.id, action);
    }
}

void TrayPopupMenu::update(const QList<int> &ids) {
    for (const int id : ids) {
        const TrayMenu::Item *item = m_model.item(id);
        QAction *action = m_actions.value(id);
        if (item != nullptr && action != nullptr) {
            action->setText(item->label);
            action->setEnabled(item->enabled);
            action->setChecked(item->checked);
        }
    }
}

void TrayPopupMenu::replaceChildren(int parent) {
    QAction *holder = m_actions.value(parent);
    QMenu *submenu = holder != nullptr ? holder->menu() : nullptr;
    if (submenu == nullptr) {
        return;
    }
    for (QAction *action : submenu->actions()) {
        m_actions.remove(m_actions.key(action));
    }
    submenu->clear();
    delete m_groups.take(parent);
    addItems(*submenu, parent);
}
