#pragma once

#include "commandline.h"
#include "singleinstance.h"

#include <QCoreApplication>

class Form1;
class QAbstractButton;
class QComboBox;
class QRadioButton;
class QSlider;
class SleepTimer;

/// Carries out the command line's commands in the running program, each as the matching click in the window does,
/// so that they store the same settings; answers its questions.
class RemoteCommands {
    Q_DECLARE_TR_FUNCTIONS(RemoteCommands)
    Q_DISABLE_COPY_MOVE(RemoteCommands)

public:
    /// \a form and \a sleepTimer outlive this object.
    RemoteCommands(Form1 &form, SleepTimer &sleepTimer);
    ~RemoteCommands() = default;

    /// Reads \a arguments as a command line and carries them out; bad ones change nothing.
    SingleInstance::Answer answer(const QStringList &arguments);
    /// Carries out \a command; a style that is not listed changes nothing.
    SingleInstance::Answer carryOut(const CommandLine::Command &command);
    /// The answer to a command naming \a style, which is not listed.
    static SingleInstance::Answer notListed(const QString &style);

private:
    QString status() const;
    QString styles() const;

    Form1 &m_form;
    SleepTimer &m_sleepTimer;
    QAbstractButton *m_onOff;
    QComboBox *m_styles;
    QSlider *m_volume;
    QRadioButton *m_infinite;
};
