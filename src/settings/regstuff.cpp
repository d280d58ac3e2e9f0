#include "regstuff.h"

#include "desktopentry.h"
#include "xdgconfighome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString EntrySuffix = u".desktop"_s;

QString tr(const char *text) {
    return QCoreApplication::translate("RegStuff", text);
}

RegStuff::Result failure(QFileDevice::FileError code, const QString &reason) {
    return {code == QFileDevice::NoError ? QFileDevice::UnspecifiedError : code, reason};
}

bool isValidValueName(const QString &valueName) {
    return !valueName.isEmpty() && valueName != "."_L1 && valueName != ".."_L1 && !valueName.contains(u'/') &&
           !valueName.contains(QChar(0));
}

QString entryPath(const QString &key, const QString &valueName) {
    return QDir(key).filePath(valueName + EntrySuffix);
}

// GLib's launcher looks for the program named first in Exec before it turns "%%" back into "%", so it would
// never find a program whose path holds a '%'; such a path is handed to the shell as an argument instead.
QString execValue(const QString &command) {
    if (!command.contains(u'%')) {
        return DesktopEntry::quoteExecArgument(command);
    }
    QStringList arguments;
    for (const QString &argument : {u"/bin/sh"_s, u"-c"_s, u"exec \"$0\""_s, command}) {
        arguments.append(DesktopEntry::quoteExecArgument(argument));
    }
    return arguments.join(u' ');
}

QByteArray entryText(const QString &command) {
    QString text = u"[Desktop Entry]\n"_s
                   u"Type=Application\n"_s
                   u"Name=Somnivox Noise Player\n"_s
                   u"Comment=Loops an ambient noise sound\n"_s;
    text += u"Exec="_s + execValue(command) + u'\n';
    text += u"Icon=somnivox\n"_s
            u"Terminal=false\n"_s
            u"X-GNOME-Autostart-enabled=true\n"_s;
    return text.toUtf8();
}

} // namespace

RegStuff::RegStuff(const QString &programFolder, const QString &autostartFolder)
    : m_programFolder(programFolder), m_autostartFolder(autostartFolder) {}

QString RegStuff::defaultAutostartFolder() {
    return QDir(xdgConfigHome()).filePath(u"autostart"_s);
}

QString RegStuff::autostartFolder() const {
    return m_autostartFolder.isEmpty() ? defaultAutostartFolder() : m_autostartFolder;
}

RegStuff::Result RegStuff::StoreValue(const QString &key, const QString &valueName, int type, const QString &value) {
    if (type != TextType) {
        return {};
    }
    if (!isValidValueName(valueName)) {
        return failure(QFileDevice::OpenError, tr("\"%1\" cannot name an autostart entry.").arg(valueName));
    }
    const QString path = entryPath(key, valueName);
    // Saving renames a new file over the entry, or over what a link names: never over a device or a FIFO.
    if (const QFileInfo existing(path); existing.exists() && !existing.isFile()) {
        return failure(QFileDevice::OpenError,
                       tr("The autostart entry %1 could not be written: it is not a regular file.").arg(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.error(),
                       tr("The autostart entry %1 could not be written: %2").arg(path, file.errorString()));
    }
    // commit() overlooks a write cut short while flushing (a full disk); the cut entry would replace the old one.
    const QByteArray text = entryText(value);
    if (file.write(text) != text.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(QFileDevice::WriteError,
                       tr("The autostart entry %1 could not be written: %2").arg(path, reason));
    }
    if (!file.commit()) {
        return failure(file.error(),
                       tr("The autostart entry %1 could not be written: %2").arg(path, file.errorString()));
    }
    return {};
}

RegStuff::Result RegStuff::SetKeyValue(const QString &key, const QString &valueName, const QString &value, int type) {
    if (!QDir().mkpath(key)) {
        return failure(QFileDevice::OpenError, tr("The autostart folder %1 could not be created.").arg(key));
    }
    return StoreValue(key, valueName, type, value);
}

RegStuff::Result RegStuff::DeleteKeyValue(const QString &key, const QString &valueName) {
    if (!isValidValueName(valueName)) {
        return failure(QFileDevice::RemoveError, tr("\"%1\" cannot name an autostart entry.").arg(valueName));
    }
    const QString path = entryPath(key, valueName);
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink()) {
        return {};
    }
    QFile file(path);
    if (!file.remove()) {
        return failure(file.error(),
                       tr("The autostart entry %1 could not be removed: %2").arg(path, file.errorString()));
    }
    return {};
}

RegStuff::Result RegStuff::AddRunValue(const QString &fileName) const {
    QString command = m_programFolder;
    if (!command.endsWith(u'/')) {
        command += u'/';
    }
    command += fileName;
    return SetKeyValue(autostartFolder(), fileName, command, TextType);
}

RegStuff::Result RegStuff::RemoveRunValue(const QString &fileName) const {
    return DeleteKeyValue(autostartFolder(), fileName);
}
