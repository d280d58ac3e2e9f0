#include "skinframework.h"

#include "regularfile.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QWidget>

#include <atomic>
#include <stdexcept>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcSkin, "somnivox.skin")

namespace {

// Far beyond any hand-written style sheet; a bigger file is not one.
constexpr qint64 MaxSkinBytes = 4 * 1024 * 1024;

// Qt has no public style sheet validator: its parser only reports a failure as a warning while polishing.
std::atomic<bool> qtParseFailed{false};
QtMessageHandler previousHandler = nullptr;

void catchParseFailure(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.startsWith(u"Could not parse stylesheet"_s)) {
        qtParseFailed = true;
        return;
    }
    previousHandler(type, context, message);
}

bool qtCanParse(const QString &text) {
    qtParseFailed = false;
    previousHandler = qInstallMessageHandler(catchParseFailure);
    {
        QWidget probe;
        probe.setStyleSheet(text);
        probe.ensurePolished();
    }
    qInstallMessageHandler(previousHandler);
    return !qtParseFailed;
}

// Catches what the Qt parser lets through or what a silenced warning would hide: unclosed comments, strings and
// blocks, and stray closing braces.
QString structureProblem(const QString &text) {
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'/' && i + 1 < text.size() && text.at(i + 1) == u'*') {
            const qsizetype end = text.indexOf(u"*/"_s, i + 2);
            if (end < 0) {
                return u"a comment is not closed"_s;
            }
            i = end + 1;
        } else if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < text.size() && text.at(j) != c && text.at(j) != u'\n') {
                j += text.at(j) == u'\\' ? 2 : 1;
            }
            if (j >= text.size() || text.at(j) != c) {
                return u"a quoted text is not closed"_s;
            }
            i = j;
        } else if (c == u'{') {
            ++depth;
        } else if (c == u'}' && --depth < 0) {
            return u"a '}' has no matching '{'"_s;
        }
    }
    return depth > 0 ? u"a '{' is not closed"_s : QString();
}

// Qt opens the pictures a style sheet names while it polishes a widget: a FIFO or a device named there would hold the
// window for ever. A name that is no regular file is emptied before Qt sees it; Qt's own resources cannot block.
QString withoutBlockingPictures(const QString &text) {
    static const QRegularExpression url(uR"(url\(\s*(["']?)(.*?)\1\s*\))"_s);
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &match : url.globalMatch(text)) {
        const QString name = match.captured(2);
        QString why;
        if (name.startsWith(u':') || name.startsWith(u"qrc:"_s) || canReadRegularFile(name, &why)) {
            continue;
        }
        qCWarning(lcSkin).noquote() << "The skin's picture" << name << "is left out:" << why;
        result += QStringView(text).mid(copied, match.capturedStart() - copied);
        result += u"url(\"\")"_s;
        copied = match.capturedEnd();
    }
    return result + text.mid(copied);
}

} // namespace

QString SkinFramework::styleSheetProblem(const QString &text) {
    QString problem = structureProblem(text);
    if (problem.isEmpty() && !qtCanParse(text)) {
        problem = u"Qt cannot parse it"_s;
    }
    return problem;
}

void SkinFramework::LoadSkin(const QString &path, const QString &iniFileName) {
    Q_UNUSED(iniFileName)
    QString reason;
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxSkinBytes, &reason);
    if (!bytes) {
        throw std::runtime_error(u"Cannot read the skin file %1: %2"_s.arg(path, reason).toStdString());
    }
    const QString text = withoutBlockingPictures(QString::fromUtf8(*bytes));
    const QString problem = styleSheetProblem(text);
    if (!problem.isEmpty()) {
        throw std::runtime_error(u"The skin file %1 is not a valid style sheet: %2"_s.arg(path, problem).toStdString());
    }
    m_styleSheet = text;
    m_loaded = true;
}

void SkinFramework::ApplyWindow(QWidget *window) {
    if (window == nullptr) {
        throw std::invalid_argument("No window to skin");
    }
    if (!m_loaded) {
        throw std::runtime_error("No skin is loaded");
    }
    if (m_optionA) {
        window->setProperty("skinned", true);
    }
    if ((m_applyOptions & ApplyStyleSheet) != 0) {
        window->setStyleSheet(m_styleSheet);
    }
}
