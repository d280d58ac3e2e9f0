#include "statusnotifieritemadaptor.h"

#include "statusnotifieritem.h"

#include <QDBusMetaType>

using namespace Qt::StringLiterals;

QDBusArgument &operator<<(QDBusArgument &argument, const SniPixmap &pixmap) {
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniPixmap &pixmap) {
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &toolTip) {
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.pixmaps << toolTip.title << toolTip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &toolTip) {
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.pixmaps >> toolTip.title >> toolTip.text;
    argument.endStructure();
    return argument;
}

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem *item)
    : QDBusAbstractAdaptor(item), m_item(item) {
    // The hosts read the properties anew when told that they changed.
    connect(item, &StatusNotifierItem::iconChanged, this, &StatusNotifierItemAdaptor::NewIcon);
    connect(item, &StatusNotifierItem::toolTipChanged, this, &StatusNotifierItemAdaptor::NewToolTip);
}

void StatusNotifierItemAdaptor::registerTypes() {
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<QList<SniPixmap>>();
    qDBusRegisterMetaType<SniToolTip>();
}

QString StatusNotifierItemAdaptor::category() const {
    return u"ApplicationStatus"_s;
}

QString StatusNotifierItemAdaptor::id() const {
    return QString::fromLatin1(StatusNotifierItem::ItemId);
}

QString StatusNotifierItemAdaptor::title() const {
    return QString::fromLatin1(StatusNotifierItem::ItemTitle);
}

QString StatusNotifierItemAdaptor::status() const {
    return u"Active"_s;
}

QList<SniPixmap> StatusNotifierItemAdaptor::iconPixmap() const {
    return m_item->pixmaps();
}

SniToolTip StatusNotifierItemAdaptor::toolTip() const {
    return {QString(), {}, m_item->toolTip(), QString()};
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const {
    return m_item->menuPath();
}

void StatusNotifierItemAdaptor::Activate(int x, int y) {
    Q_UNUSED(x);
    Q_UNUSED(y);
    Q_EMIT m_item->activated();
}

void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y) {
    Q_UNUSED(x);
    Q_UNUSED(y);
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y) {
    Q_UNUSED(x);
    Q_UNUSED(y);
    Q_EMIT m_item->contextMenuRequested();
}

void StatusNotifierItemAdaptor::Scroll(int delta, const QString &orientation) {
    Q_UNUSED(delta);
    Q_UNUSED(orientation);
}
