#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace {

const QString Catalogues = u":/i18n"_s;
const QString Prefix = u"somnivox_"_s;

// Qt turns its windows right to left when a catalogue answers this; the program's own carry it too, so an Arabic
// window mirrors even where Qt's catalogues are not installed.
const char *const LayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

Translations::Translations(const QLocale &locale) {
    // As gettext does, the C locale keeps the program's own texts whatever LANGUAGE lists.
    if (locale.language() == QLocale::C || !m_program.load(locale, u"somnivox"_s, u"_"_s, Catalogues)) {
        return;
    }
    m_language = QFileInfo(m_program.filePath()).completeBaseName().sliced(Prefix.size());
    QCoreApplication::installTranslator(&m_program);
    // Qt's own follow the language the program speaks, not merely the locale's first choice.
    if (m_qt.load(QLocale(m_language), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
    // Set now, not when the queued language change arrives: the window is built before the event loop runs.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setLayoutDirection(QCoreApplication::translate("QGuiApplication", LayoutDirection) == u"RTL"_s
                                                ? Qt::RightToLeft
                                                : Qt::LeftToRight);
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QStringList Translations::available() {
    QStringList languages;
    for (const QString &file : QDir(Catalogues).entryList({Prefix + u"*.qm"_s}, QDir::Files, QDir::Name)) {
        languages << file.sliced(Prefix.size()).chopped(3);
    }
    return languages;
}
