#pragma once

#include "usernotifier.h"

#include <QStringList>

#include <functional>

/// Records the messages the program would show; optionally runs something while a message is "open".
class RecordingNotifier final : public UserNotifier {
public:
    QStringList titles;
    QStringList texts;
    std::function<void()> whileOpen;

    void showWarning(const QString &title, const QString &text) override {
        titles << title;
        texts << text;
        if (whileOpen) {
            whileOpen();
        }
    }
};
