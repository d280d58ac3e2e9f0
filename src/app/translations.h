#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

/// The program's texts and Qt's own (standard buttons, dialogs) in the user's language, installed into the running
/// application for as long as this object lives. Under English or the C locale nothing is installed.
class Translations {
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Q_DISABLE_COPY_MOVE(Translations)

    /// The program's catalogue in use, as named by its file ("de", "pt_BR"); empty while the texts are English.
    QString language() const { return m_language; }

    /// Every language the program carries a catalogue for, as named by the files.
    static QStringList available();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};
