#pragma once

#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

/// The mouse pointer of a whole window: the kind MousePointer and the custom picture MouseIcon. The pointer is set
/// on the window, so it shows over every child that sets no cursor of its own.
class WindowPointer {
public:
    static constexpr int Default = 0; ///< the arrow
    static constexpr int Busy = 11;   ///< the hourglass
    static constexpr int Custom = 99; ///< MouseIcon; the arrow while none is loaded

    explicit WindowPointer(QWidget *window) : m_window(window) {}
    ~WindowPointer() = default;
    Q_DISABLE_COPY_MOVE(WindowPointer)

    int MousePointer() const { return m_pointer; }
    /// Throws std::invalid_argument for a kind other than Default, Busy and Custom.
    void setMousePointer(int pointer);

    /// Takes a Windows cursor file as MouseIcon, with the hot spot the file gives. The file is read whole here, as a
    /// regular file only and without waiting on anything else in its place, but only its header is checked; the
    /// picture is decoded from what was read when the pointer first shows it. On failure MouseIcon stays as it was,
    /// false is returned and error (when given) says why.
    bool loadMouseIcon(const QString &curPath, QString *error = nullptr);
    bool hasMouseIcon() const { return m_iconFile.has_value(); }
    /// The loaded picture, or the arrow when none is loaded or its picture does not decode.
    QCursor MouseIcon() const;

    /// The rule of every mouse-move handler: while the pointer is busy nothing changes, otherwise it becomes
    /// newPointer.
    void mouseMovedOver(int newPointer);

    /// The hot spot stored in the first directory entry of the cursor file \a contents, if it is one and holds that
    /// entry's picture whole.
    static std::optional<QPoint> cursorFileHotSpot(const QByteArray &contents);

private:
    void applyToWindow();

    QPointer<QWidget> m_window;
    int m_pointer = Default;
    struct IconFile {
        QByteArray contents;
        QPoint hotSpot;
    };
    std::optional<IconFile> m_iconFile;
    mutable std::optional<QCursor> m_mouseIcon; // decoded from m_iconFile on first use
};
