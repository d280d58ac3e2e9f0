#pragma once

#include "usernotifier.h"

class QWidget;

/// UserNotifier over QMessageBox.
class MessageBoxNotifier final : public UserNotifier {
public:
    explicit MessageBoxNotifier(QWidget *parent = nullptr);

    void setParentWidget(QWidget *parent);
    void showWarning(const QString &title, const QString &text) override;

private:
    QWidget *m_parent;
};
