#pragma once

#include <QString>

class OutputDevices;
class Player;

/// The entry point of the sound engine module: returns a new player that the caller owns. Throws nothing; a
/// player that cannot reach its output reports that from its own calls.
extern "C" typedef Player *SomnivoxCreatePlayer();

/// The name under which the module exports its SomnivoxCreatePlayer.
inline constexpr char SomnivoxCreatePlayerSymbol[] = "somnivox_create_player";

/// Tries the file at \a path with the engine's decoder: sets \a problem to why it does not play, or leaves it empty
/// when its first sound decodes. Throws nothing; any thread.
extern "C" typedef void SomnivoxFindSoundProblem(const QString &path, QString &problem);

/// The name under which the module exports its SomnivoxFindSoundProblem.
inline constexpr char SomnivoxFindSoundProblemSymbol[] = "somnivox_find_sound_problem";

/// The entry point for the sound server's list of outputs: returns a new list, not yet watching, that the caller
/// owns. Throws nothing.
extern "C" typedef OutputDevices *SomnivoxCreateOutputDevices();

/// The name under which the module exports its SomnivoxCreateOutputDevices.
inline constexpr char SomnivoxCreateOutputDevicesSymbol[] = "somnivox_create_output_devices";
