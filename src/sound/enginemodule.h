#pragma once

class Player;

/// The entry point of the sound engine module: returns a new player that the caller owns. Throws nothing; a
/// player that cannot reach its output reports that from its own calls.
extern "C" typedef Player *SomnivoxCreatePlayer();

/// The name under which the module exports its SomnivoxCreatePlayer.
inline constexpr char SomnivoxCreatePlayerSymbol[] = "somnivox_create_player";
