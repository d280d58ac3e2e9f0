#pragma once

#include <QString>

/// Shows the program's modal messages; returns when the user has dismissed them.
/// While a message is open the event loop keeps running, so other handlers may run meanwhile.
class UserNotifier {
public:
    UserNotifier() = default;
    virtual ~UserNotifier() = default;
    Q_DISABLE_COPY_MOVE(UserNotifier)

    /// A warning box with an exclamation icon and a single OK button.
    virtual void showWarning(const QString &title, const QString &text) = 0;
};
