#pragma once

#include <QString>

#include <exception>
#include <utility>

class ProcedureErrorReport;

/// The error trap of a handler: runs its numbered steps, reports a failing step with the handler's location and
/// the step's number, and lets the handler carry on with the next step.
class ErrorTrap {
public:
    ErrorTrap(QString location, ProcedureErrorReport &report) : m_location(std::move(location)), m_report(report) {}
    Q_DISABLE_COPY_MOVE(ErrorTrap)
    ~ErrorTrap() = default;

    /// Runs one step; returns false when it failed (and was reported).
    template<typename Action>
    bool step(int line, Action &&action) {
        try {
            std::forward<Action>(action)();
            return true;
        } catch (const std::exception &error) {
            reportFailure(line, QString::fromUtf8(error.what()));
        } catch (...) {
            reportFailure(line, QString());
        }
        return false;
    }

    /// Runs the test of a branch; a test that fails counts as held, so its branch is entered.
    template<typename Condition>
    bool test(int line, Condition &&condition) {
        bool held = true;
        step(line, [&] { held = std::forward<Condition>(condition)(); });
        return held;
    }

private:
    void reportFailure(int line, const QString &description);

    QString m_location;
    ProcedureErrorReport &m_report;
};
