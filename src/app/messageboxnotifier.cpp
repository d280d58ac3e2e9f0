#include "messageboxnotifier.h"

#include <QMessageBox>
#include <QPointer>

MessageBoxNotifier::MessageBoxNotifier(QWidget *parent) : m_parent(parent) {}

void MessageBoxNotifier::setParentWidget(QWidget *parent) {
    m_parent = parent;
}

void MessageBoxNotifier::showWarning(const QString &title, const QString &text) {
    // The parent may go away while the box waits in its nested event loop.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box.data();
}
