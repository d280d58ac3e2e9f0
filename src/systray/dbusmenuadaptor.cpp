#include "dbusmenuadaptor.h"

#include "dbusmenuexporter.h"

#include <QDBusMetaType>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayoutItem &item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const DBusMenuLayoutItem &child : item.children) {
        argument << QDBusVariant(QVariant::fromValue(child));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayoutItem &item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    item.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(qdbus_cast<DBusMenuLayoutItem>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemKeys &keys) {
    argument.beginStructure();
    argument << keys.id << keys.names;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemKeys &keys) {
    argument.beginStructure();
    argument >> keys.id >> keys.names;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event) {
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event) {
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenuExporter *exporter) : QDBusAbstractAdaptor(exporter), m_exporter(exporter) {
    connect(exporter, &DBusMenuExporter::itemsUpdated, this,
            [this](const QList<DBusMenuItem> &items) { Q_EMIT ItemsPropertiesUpdated(items, {}); });
    connect(exporter, &DBusMenuExporter::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
}

void DBusMenuAdaptor::registerTypes() {
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<QList<DBusMenuItem>>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<QList<DBusMenuItemKeys>>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<QList<DBusMenuEvent>>();
}

QString DBusMenuAdaptor::textDirection() const {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? u"rtl"_s : u"ltr"_s;
}

QString DBusMenuAdaptor::status() const {
    return u"normal"_s;
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                DBusMenuLayoutItem &layout) {
    if (!m_exporter->contains(parentId)) {
        m_exporter->refuseCall(parentId);
        return 0;
    }
    layout = m_exporter->layout(parentId, recursionDepth, propertyNames);
    return m_exporter->revision();
}

QList<DBusMenuItem> DBusMenuAdaptor::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames) {
    QList<DBusMenuItem> items;
    for (const int id : ids.isEmpty() ? m_exporter->ids() : ids) {
        if (m_exporter->contains(id)) {
            items.append({id, m_exporter->properties(id, propertyNames)});
        }
    }
    return items;
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString &name) {
    const QVariant value = m_exporter->contains(id) ? m_exporter->properties(id, {name}).value(name) : QVariant();
    if (!value.isValid()) {
        m_exporter->refuseCall(id, name);
        return QDBusVariant(QString());
    }
    return QDBusVariant(value);
}

void DBusMenuAdaptor::Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp) {
    Q_UNUSED(data);
    Q_UNUSED(timestamp);
    if (!m_exporter->contains(id)) {
        m_exporter->refuseCall(id);
        return;
    }
    m_exporter->handleEvent(id, eventId);
}

QList<int> DBusMenuAdaptor::EventGroup(const QList<DBusMenuEvent> &events) {
    QList<int> idErrors;
    for (const DBusMenuEvent &event : events) {
        if (m_exporter->contains(event.id)) {
            m_exporter->handleEvent(event.id, event.eventId);
        } else {
            idErrors.append(event.id);
        }
    }
    return idErrors;
}

bool DBusMenuAdaptor::AboutToShow(int id) {
    if (m_exporter->contains(id)) {
        m_exporter->aboutToShow(id);
    }
    // The layout is always current: the host never needs to fetch it again first; a change is announced.
    return false;
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors) {
    for (const int id : ids) {
        if (m_exporter->contains(id)) {
            m_exporter->aboutToShow(id);
        } else {
            idErrors.append(id);
        }
    }
    return {};
}
