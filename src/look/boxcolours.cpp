#include "boxcolours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cmath>

namespace {

constexpr double ReadableContrast = 4.5;

double luminance(const QColor &colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// A theme's greyed text is often too faint to read on its base colour: it is moved towards the full text colour
// until it reads.
QColor readable(const QColor &text, const QColor &fullText, const QColor &background) {
    for (int step = 0; step <= 10; ++step) {
        const QColor tried = mixed(text, fullText, step / 10.0);
        if (BoxColours::contrast(tried, background) >= ReadableContrast) {
            return tried;
        }
    }
    return fullText;
}

} // namespace

BoxColours::BoxColours(QObject *parent) : QObject(parent) {
    // The application hears of a new theme whether or not a window has been shown.
    QCoreApplication::instance()->installEventFilter(this);
}

void BoxColours::paint(QWidget *box) {
    box->setPalette(boxPalette(QApplication::palette(), box->palette()));
    box->setAutoFillBackground(true);
    m_given.insert(box, box->palette().color(QPalette::Window));
    connect(box, &QObject::destroyed, this, [this](QObject *gone) { m_given.remove(gone); });
}

QPalette BoxColours::boxPalette(const QPalette &theme, const QPalette &box) {
    QPalette palette = box;
    const bool dark = isDark(theme);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        // The white boxes carry dark text under any light theme; the greyed text still reads at 5:1 on the white.
        const QColor background = dark ? theme.color(group, QPalette::Base) : QColor(Qt::white);
        const QColor fullText = dark ? theme.color(QPalette::Active, QPalette::Text) : QColor(Qt::black);
        const QColor text = dark ? readable(theme.color(group, QPalette::Text), fullText, background)
                            : group == QPalette::Disabled ? QColor(0x6d, 0x6d, 0x6d)
                                                          : QColor(Qt::black);
        // Text and Base go with it for the styles that draw titles in the text colour, and for the indicators and
        // pickers inside, which draw Text on Base.
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

bool BoxColours::isDark(const QPalette &theme) {
    return theme.color(QPalette::Active, QPalette::Window).lightness() <
           theme.color(QPalette::Active, QPalette::WindowText).lightness();
}

double BoxColours::contrast(const QColor &a, const QColor &b) {
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

bool BoxColours::eventFilter(QObject *watched, QEvent *event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
        for (auto given = m_given.begin(); given != m_given.end(); ++given) {
            auto *box = static_cast<QWidget *>(given.key());
            if (box->palette().color(QPalette::Window) == given.value()) {
                box->setPalette(boxPalette(QApplication::palette(), box->palette()));
                given.value() = box->palette().color(QPalette::Window);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
