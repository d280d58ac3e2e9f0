#include "appassembly.h"

#include "appicon.h"
#include "buildconfig.h"

#include <QDesktopServices>
#include <QRandomGenerator>
#include <QTime>

using namespace Qt::StringLiterals;

namespace {

int drawPercent() {
    QRandomGenerator random(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    return static_cast<int>(random.generateDouble() * 100) + 1;
}

} // namespace

AppAssembly::AppAssembly(const QString &programFolder)
    : m_player(programFolder + u"/somnivox-engine.so"_s),
      m_report(m_notifier, QString::fromUtf8(BuildConfig::SupportEmail)),
      m_form({m_store, m_player, m_notifier, m_report, m_clock, &m_trayNotifier, m_startUp, m_skin, programFolder,
              QString::fromUtf8(BuildConfig::HomePage), applicationIcon(), drawPercent,
              [](const QUrl &url) { QDesktopServices::openUrl(url); }}) {}

void AppAssembly::start() {
    m_form.Form_Load();
    m_form.showAfterLoad();
}
