#include "procedureerrorreport.h"

#include "usernotifier.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

ProcedureErrorReport::ProcedureErrorReport(UserNotifier &notifier, QString supportAddress)
    : m_notifier(notifier), m_supportAddress(std::move(supportAddress)) {}

QString ProcedureErrorReport::messageText(const QString &location, const QString &description, int line,
                                          const QString &supportAddress) {
    return description + u"\r\n"_s + location +
           QCoreApplication::translate("ProcedureErrorReport", "at line %1").arg(line) + u"\r\r"_s +
           QCoreApplication::translate("ProcedureErrorReport", "Please email screenshot of this message to %1")
               .arg(supportAddress);
}

void ProcedureErrorReport::ReportProcedureError(const QString &location, const QString &description, int line) {
    const QString key = location + QString::number(line);
    if (m_open.contains(key)) {
        return;
    }
    m_open.insert(key);
    m_notifier.showWarning(QCoreApplication::translate("ProcedureErrorReport", "Application Error"),
                           messageText(location, description, line, m_supportAddress));
    m_open.remove(key);
}
