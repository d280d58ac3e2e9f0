#pragma once

#include "commandline.h"
#include "singleinstance.h"

#include <QCoreApplication>

class Form1;
class OutputChoice;
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
    /// \a form, \a sleepTimer and \a outputs outlive this object.
    RemoteCommands(Form1 &form, SleepTimer &sleepTimer, OutputChoice &outputs);
    ~RemoteCommands() = default;

    /// Reads \a arguments as a command line and carries them out; bad ones change nothing.
    SingleInstance::Answer answer(const QStringList &arguments);
    /// Carries out \a command; a style or an output that is not listed changes nothing.
    SingleInstance::Answer carryOut(const CommandLine::Command &command);
    /// As answer(), the answer going to \a reply once the outputs are listed where the command needs them.
    void answerWhenReady(const QStringList &arguments, const SingleInstance::Reply &reply);
    /// As carryOut(), the answer going to \a reply once the outputs are listed where the command needs them.
    void carryOutWhenReady(const CommandLine::Command &command, const SingleInstance::Reply &reply);
    /// The answer to a command naming \a style, which is not listed.
    static SingleInstance::Answer notListed(const QString &style);

private:
    QString status() const;
    QString styles() const;
    QString outputs() const;

    Form1 &m_form;
    SleepTimer &m_sleepTimer;
    OutputChoice &m_outputs;
    QAbstractButton *m_onOff;
    QComboBox *m_styles;
    QSlider *m_volume;
    QRadioButton *m_infinite;
};
