#include "procedureerrorreport.h"

#include "usernotifier.h"

using namespace Qt::StringLiterals;

ProcedureErrorReport::ProcedureErrorReport(UserNotifier &notifier, QString supportAddress)
    : m_notifier(notifier), m_supportAddress(std::move(supportAddress)) {}

QString ProcedureErrorReport::messageText(const QString &location, const QString &description, int line,
                                          const QString &supportAddress) {
    return description + u"\r\n"_s + location + u"at line "_s + QString::number(line) + u"\r\r"_s +
           u"Please email screenshot of this message to "_s + supportAddress;
}

void ProcedureErrorReport::ReportProcedureError(const QString &location, const QString &description, int line) {
    const QString key = location + QString::number(line);
    if (m_open.contains(key)) {
        return;
    }
    m_open.insert(key);
    m_notifier.showWarning(u"Application Error"_s, messageText(location, description, line, m_supportAddress));
    m_open.remove(key);
}
