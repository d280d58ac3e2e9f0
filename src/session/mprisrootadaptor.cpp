#include "mprisrootadaptor.h"

#include "mprisservice.h"

MprisRootAdaptor::MprisRootAdaptor(MprisService *service) : QDBusAbstractAdaptor(service), m_service(service) {}

QString MprisRootAdaptor::identity() const {
    return QString::fromLatin1(MprisService::Identity);
}

QString MprisRootAdaptor::desktopEntry() const {
    return QString::fromLatin1(MprisService::DesktopEntry);
}

void MprisRootAdaptor::Raise() {
    m_service->raise();
}
