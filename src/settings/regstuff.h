#pragma once

#include <QFileDevice>
#include <QString>

/// The logon list of programs started when the user logs in, kept as XDG autostart entries.
///
/// A key is a folder of autostart entries, and a value is one entry in it: the file
/// "<value name>.desktop", a Desktop Entry whose Exec line runs the value (a program's full path).
/// Every operation reports its outcome; a failure carries a reason to show to the user.
class RegStuff {
public:
    /// The one value type stored: text. Every other type is accepted and ignored.
    static constexpr int TextType = 1;

    /// The outcome of an operation: code NoError (0) and no reason on success.
    struct Result {
        QFileDevice::FileError code = QFileDevice::NoError;
        QString reason;

        bool ok() const { return code == QFileDevice::NoError; }
    };

    /// \a programFolder holds the program the logon entries run. \a autostartFolder is the logon list;
    /// when empty it is $XDG_CONFIG_HOME/autostart, looked up at each call.
    explicit RegStuff(const QString &programFolder, const QString &autostartFolder = QString());

    static QString defaultAutostartFolder();
    QString autostartFolder() const;

    /// Writes the entry \a valueName into the existing folder \a key, replacing it atomically, when
    /// \a type is TextType; any other type writes nothing and succeeds.
    static Result StoreValue(const QString &key, const QString &valueName, int type, const QString &value);
    /// Creates the folder \a key when needed, then stores the value as StoreValue does.
    static Result SetKeyValue(const QString &key, const QString &valueName, const QString &value, int type);
    /// Deletes the entry \a valueName from \a key; an entry or folder that does not exist is no error.
    static Result DeleteKeyValue(const QString &key, const QString &valueName);

    /// Adds to the logon list the entry \a fileName that runs the program folder's file \a fileName.
    Result AddRunValue(const QString &fileName) const;
    /// Removes the logon entry \a fileName.
    Result RemoveRunValue(const QString &fileName) const;

private:
    QString m_programFolder;
    QString m_autostartFolder;
};
