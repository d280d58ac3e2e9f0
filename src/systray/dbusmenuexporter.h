#pragma once

#include "dbusmenuadaptor.h"

#include <QDBusContext>
#include <QObject>

class TrayMenu;

/// The tray's menu, exported on the session bus as a com.canonical.dbusmenu so that the tray host draws it.
///
/// The exporter only answers: an item chosen through the bus is carried out once the call has been answered, and a
/// change of the menu's texts is announced with a new layout revision.
class DBusMenuExporter : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DBusMenuExporter)

public:
    static constexpr auto ObjectPath = "/MenuBar";

    explicit DBusMenuExporter(TrayMenu &menu, QObject *parent = nullptr);
    ~DBusMenuExporter() override = default;

    uint revision() const { return m_revision; }
    /// Whether \a id is the root or an item of the menu.
    bool contains(int id) const;
    /// Every item's id, the root first.
    QList<int> ids() const;
    /// The item \a id (contained) with its children down to \a depth levels (-1: all), with the properties \a names
    /// (empty: all).
    DBusMenuLayoutItem layout(int id, int depth, const QStringList &names) const;
    /// The properties \a names (empty: all) of the item \a id (contained).
    QVariantMap properties(int id, const QStringList &names) const;
    /// Carries out the event \a eventId on the item \a id: "clicked" chooses it, a moment later.
    void handleEvent(int id, const QString &eventId);
    /// The host is about to show the item \a id (contained) or its children.
    void aboutToShow(int id);
    /// Answers the call being served with an error: the item \a id, or its property \a name, does not exist.
    void refuseCall(int id, const QString &name = {});

Q_SIGNALS:
    void itemsUpdated(const QList<DBusMenuItem> &items);
    void layoutUpdated(uint revision, int parent);

private:
    void menuChanged(const QList<int> &ids);
    void childrenChanged(int parent);

    TrayMenu &m_menu;
    uint m_revision = 1;
};
