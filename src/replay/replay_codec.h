// The replay file: a small header, the zlib-compressed game, a CRC-32 of everything before it.
// The layout is described in docs/REPLAYS.md.
#pragma once
#include <string>
#include <string_view>

#include "replay/replay.h"

inline constexpr uint16_t kReplayFormatVersion = 1;

// The same replay always gives the same bytes.
std::string EncodeReplay(const TReplay& replay);
// The file around an already encoded game: header, compression, checksum.
std::string PackReplayPayload(std::string_view payload);
// Raises EReplayError, with a message a player can act on, for anything that is not a whole
// replay of this format.
TReplay DecodeReplay(std::string_view bytes);
