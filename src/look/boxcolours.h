#pragma once

#include <QHash>
#include <QObject>
#include <QPalette>

class QWidget;

/// The colours of the window's boxes (frames, option buttons, check boxes, labels): white with dark text under a
/// light theme; under a dark theme the theme's own base colour with its text colour, so that the window does not
/// glare at night. Follows a change of theme; a box whose colours something else has set since (a skin) keeps them.
class BoxColours : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BoxColours)

public:
    explicit BoxColours(QObject *parent = nullptr);
    ~BoxColours() override = default;

    /// Gives \a box the colours of the present theme from now on.
    void paint(QWidget *box);

    /// \a box's palette with the box colours for \a theme.
    static QPalette boxPalette(const QPalette &theme, const QPalette &box);
    /// Whether \a theme draws light text on dark windows.
    static bool isDark(const QPalette &theme);
    /// The contrast ratio of two colours as the accessibility guidelines define it, from 1 to 21.
    static double contrast(const QColor &a, const QColor &b);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The window colour each box was last given, to tell whether something else has changed it since.
    QHash<QObject *, QColor> m_given;
};
