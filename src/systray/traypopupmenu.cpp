#include "traypopupmenu.h"

#include "traymenu.h"

TrayPopupMenu::TrayPopupMenu(TrayMenu &model, QWidget *parent) : QMenu(parent), m_model(model) {
    addItems(*this, TrayMenu::Root);
    connect(&m_model, &TrayMenu::itemsChanged, this, &TrayPopupMenu::update);
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
            action = submenu->menuAction();
            break;
        }
        case TrayMenu::Kind::Action:
            action = menu.addAction(item.label);
            action->setCheckable(item.checkable);
            connect(action, &QAction::triggered, this, [this, id = item.id] { m_model.choose(id); });
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
