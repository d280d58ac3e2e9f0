#include "dbusmenuexporter.h"

#include "traymenu.h"

#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The bus marks a mnemonic with '_' where Qt uses '&'.
QString busLabel(const QString &label) {
    QString text;
    text.reserve(label.size() + 1);
    for (qsizetype i = 0; i < label.size(); ++i) {
        QChar c = label.at(i);
        if (c == u'&' && i + 1 < label.size()) {
            c = label.at(++i);
            if (c != u'&') {
                text.append(u'_');
            }
        }
        if (c == u'_') {
            text.append(u'_');
        }
        text.append(c);
    }
    return text;
}

} // namespace

DBusMenuExporter::DBusMenuExporter(TrayMenu &menu, QObject *parent) : QObject(parent), m_menu(menu) {
    DBusMenuAdaptor::registerTypes();
    new DBusMenuAdaptor(this);
    connect(&m_menu, &TrayMenu::itemsChanged, this, &DBusMenuExporter::menuChanged);
    connect(&m_menu, &TrayMenu::childrenChanged, this, &DBusMenuExporter::childrenChanged);
}

bool DBusMenuExporter::contains(int id) const {
    return id == TrayMenu::Root || m_menu.item(id) != nullptr;
}

QList<int> DBusMenuExporter::ids() const {
    QList<int> all{TrayMenu::Root};
    for (qsizetype next = 0; next < all.size(); ++next) {
        for (const TrayMenu::Item &item : m_menu.children(all.at(next))) {
            all.append(item.id);
        }
    }
    return all;
}

DBusMenuLayoutItem DBusMenuExporter::layout(int id, int depth, const QStringList &names) const {
    DBusMenuLayoutItem layout{id, properties(id, names), {}};
    if (depth != 0) {
        for (const TrayMenu::Item &child : m_menu.children(id)) {
            layout.children.append(this->layout(child.id, depth - 1, names));
        }
    }
    return layout;
}

QVariantMap DBusMenuExporter::properties(int id, const QStringList &names) const {
    QVariantMap all;
    const TrayMenu::Item *item = m_menu.item(id);
    if (item == nullptr) {
        all.insert(u"children-display"_s, u"submenu"_s);
    } else if (item->kind == TrayMenu::Kind::Separator) {
        all.insert(u"type"_s, u"separator"_s);
        all.insert(u"visible"_s, true);
    } else {
        all.insert(u"label"_s, busLabel(item->label));
        all.insert(u"enabled"_s, item->enabled);
        all.insert(u"visible"_s, true);
        if (item->mark != TrayMenu::Mark::None) {
            all.insert(u"toggle-type"_s, item->mark == TrayMenu::Mark::Radio ? u"radio"_s : u"checkmark"_s);
            all.insert(u"toggle-state"_s, item->checked ? 1 : 0);
        }
        if (item->kind == TrayMenu::Kind::Submenu) {
            all.insert(u"children-display"_s, u"submenu"_s);
        }
    }
    if (names.isEmpty()) {
        return all;
    }
    QVariantMap named;
    for (const QString &name : names) {
        if (all.contains(name)) {
            named.insert(name, all.value(name));
        }
    }
    return named;
}

void DBusMenuExporter::handleEvent(int id, const QString &eventId) {
    if (eventId != u"clicked"_s) {
        return;
    }
    // The caller has its answer before the choice runs: quitting or turning off may take a while.
    QTimer::singleShot(0, &m_menu, [menu = &m_menu, id] { menu->choose(id); });
}

void DBusMenuExporter::aboutToShow(int id) {
    m_menu.open(id);
}

void DBusMenuExporter::refuseCall(int id, const QString &name) {
    sendErrorReply(QDBusError::InvalidArgs, name.isEmpty() ? u"No menu item %1"_s.arg(id)
                                                           : u"No property %1 on the menu item %2"_s.arg(name).arg(id));
}

void DBusMenuExporter::menuChanged(const QList<int> &ids) {
    QList<DBusMenuItem> items;
    for (const int id : ids) {
        items.append({id, properties(id, {})});
    }
    ++m_revision;
    Q_EMIT itemsUpdated(items);
    Q_EMIT layoutUpdated(m_revision, TrayMenu::Root);
}

void DBusMenuExporter::childrenChanged(int parent) {
    ++m_revision;
    Q_EMIT layoutUpdated(m_revision, parent);
}
