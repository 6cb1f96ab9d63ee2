// The replay file: a small header, the zlib-compressed game, a CRC-32 of everything before it.
// The layout is described in docs/REPLAYS.md.
#pragma once
#include <string>
#include <string_view>

#include "replay/replay.h"

// Version 2 adds the date of a daily challenge; every other game is still written as version 1,
// so its bytes are what they always were.
inline constexpr uint16_t kReplayFormatVersion = 2;

// The same replay always gives the same bytes.
std::string EncodeReplay(const TReplay& replay);
// The file around an already encoded game: header, compression, checksum.
std::string PackReplayPayload(std::string_view payload, uint16_t version = 1);
// Raises EReplayError, with a message a player can act on, for anything that is not a whole
// replay of this format.
TReplay DecodeReplay(std::string_view bytes);
