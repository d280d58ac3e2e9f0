#include "errortrap.h"

#include "procedureerrorreport.h"

using namespace Qt::StringLiterals;

void ErrorTrap::reportFailure(int line, const QString &description) {
    m_report.ReportProcedureError(m_location, description.isEmpty() ? u"Unknown error"_s : description, line);
}
