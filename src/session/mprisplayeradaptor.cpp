#include "mprisplayeradaptor.h"

#include "mprisservice.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService *service) : QDBusAbstractAdaptor(service), m_service(service) {}

QString MprisPlayerAdaptor::playbackStatus() const {
    return m_service->playbackStatus();
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    return m_service->metadata();
}

void MprisPlayerAdaptor::Play() {
    m_service->play();
}

void MprisPlayerAdaptor::Pause() {
    m_service->pause();
}

void MprisPlayerAdaptor::PlayPause() {
    m_service->playPause();
}

void MprisPlayerAdaptor::Stop() {
    m_service->stop();
}
