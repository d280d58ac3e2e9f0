#include "outputnotice.h"

#include "csystray.h"
#include "player.h"

#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {
constexpr int Margin = 8;
} // namespace

OutputNotice::OutputNotice(Player &player, QWidget &window, cSysTray &tray, QObject *parent)
    : QObject(parent), m_player(player), m_window(window), m_tray(tray), m_line(new QLabel(text(), &window)) {
    m_line->setObjectName(u"OutputNotice"_s);
    m_line->hide();
    connect(&m_player, &Player::playStateChanged, this, &OutputNotice::update);
    connect(&m_player, &Player::waitingForOutputChanged, this, &OutputNotice::update);
}

QString OutputNotice::text() {
    return tr("No sound output: waiting for the sound server");
}

void OutputNotice::update() {
    const bool waiting = m_player.playState() == Player::Playing && m_player.isWaitingForOutput();
    if (waiting == m_shown) {
        return;
    }
    m_shown = waiting;
    if (waiting) {
        m_windowHeight = m_window.height();
        m_tip = m_tray.TrayTip();
        const int height = m_line->sizeHint().height();
        m_line->setGeometry(Margin, m_windowHeight, m_window.width() - 2 * Margin, height);
        m_window.setFixedHeight(m_windowHeight + height + Margin / 2);
        m_line->show();
        m_tray.setTrayTip(m_tip + u'\n' + text());
    } else {
        m_line->hide();
        m_window.setFixedHeight(m_windowHeight);
        m_tray.setTrayTip(m_tip);
    }
}
