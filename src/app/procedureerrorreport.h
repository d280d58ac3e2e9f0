#pragma once

#include <QSet>
#include <QString>

class UserNotifier;

/// The "Application Error" report shown by the handlers that trap their failures.
class ProcedureErrorReport {
public:
    ProcedureErrorReport(UserNotifier &notifier, QString supportAddress);
    Q_DISABLE_COPY_MOVE(ProcedureErrorReport)
    ~ProcedureErrorReport() = default;

    /// The report's text: the description, CR LF, the location, "at line " and the number, two lone CRs,
    /// and the request to mail a screenshot.
    static QString messageText(const QString &location, const QString &description, int line,
                               const QString &supportAddress);

    /// Shows the report and returns when the user has dismissed it. While a report for the same location and
    /// line is still open, another is not stacked on it: a failure repeating at every tick would otherwise
    /// nest one more event loop each second.
    void ReportProcedureError(const QString &location, const QString &description, int line);

    QString supportAddress() const { return m_supportAddress; }

private:
    UserNotifier &m_notifier;
    QString m_supportAddress;
    QSet<QString> m_open;
};
