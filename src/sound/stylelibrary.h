#pragma once

#include <QString>
#include <QStringList>

/// How sound styles are named after the files of the sounds folder, and which file plays a style.
namespace StyleLibrary {

/// The sounds folder beside the program.
QString soundsFolder(const QString &programFolder);

/// The user's own sounds folder, `$XDG_DATA_HOME/somnivox/sounds` (`~/.local/share/somnivox/sounds`): its files are
/// listed after the program's own, so the stored numbers of those keep their meaning.
QString userSoundsFolder();

/// The style a file of the sounds folder becomes: its name with every ".mp3" removed (that letter case only).
QString styleName(const QString &fileName);

/// The styles the window lists, in its order: the generated noises (see GeneratedNoise), then the sounds folder's and
/// those of the user's own folder whose names are not listed yet, then the user's mixes (see Mix) likewise.
QStringList listedStyles(const QString &programFolder);

/// The file played for \a style, looked up afresh each time: the style's name with ".mp3", or, when that is not a
/// file and the name itself is a FLAC, Ogg Vorbis, Opus or WAV file of the folder, that file; the user's own folder
/// first, so that a name in both plays the user's file when it can be read. Built in the program's folder when neither
/// has it, unless the style is a generated noise or a mix, whose source plays instead (see MixSource; a layer that
/// names a mix is left out).
QString styleFile(const QString &programFolder, const QString &style);

/// Where the choice goes when the list becomes \a styles: to the style named \a chosen where it is still listed,
/// else to the style now at \a formerIndex (the one that followed it), else to the last; -1 in an empty list.
int keptChoice(const QStringList &styles, const QString &chosen, int formerIndex);

/// Whether \a fileName names a FLAC, Ogg Vorbis, Opus or WAV file, by its extension in any letter case.
bool isOtherSoundFormat(const QString &fileName);

} // namespace StyleLibrary
