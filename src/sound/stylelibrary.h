#pragma once

#include <QString>

/// How sound styles are named after the files of the sounds folder, and which file plays a style.
namespace StyleLibrary {

/// The sounds folder beside the program.
QString soundsFolder(const QString &programFolder);

/// The style a file of the sounds folder becomes: its name with every ".mp3" removed (that letter case only).
QString styleName(const QString &fileName);

/// The file played for \a style: built afresh each time, whether or not it exists.
QString styleFile(const QString &programFolder, const QString &style);

} // namespace StyleLibrary
