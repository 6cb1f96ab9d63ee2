#include "platform/web/web_daily.h"

#include <emscripten.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "replay/replay_codec.h"
#include "shell/screen_state.h"
#include "store/daily_record.h"

namespace {
std::string answer;

const char* Answer(const nlohmann::json& value) {
  answer = value.dump();
  return answer.c_str();
}

nlohmann::json DateOrNull(uint32_t number) {
  const std::optional<TDailyDate> date = TDailyDate::FromNumber(number);
  return date ? nlohmann::json(FormatDailyDate(*date)) : nlohmann::json();
}
}  // namespace

int32_t ScoreReached() {
  return Game.Score;
}

extern "C" {
// What the replay file in `bytes` claims: {daily, mode, level, score, result} (result: the game
// reached its result screen rather than being quit), or null for bytes that are no replay.
EMSCRIPTEN_KEEPALIVE const char* brunival_replay_claims(const char* bytes, int32_t size) {
  if (bytes == nullptr || size < 0) return "null";
  try {
    const TReplay replay = DecodeReplay(std::string_view(bytes, static_cast<size_t>(size)));
    return Answer({{"daily", DateOrNull(replay.DailyDate)},
                   {"mode", replay.Claimed.GameMode},
                   {"level", replay.Claimed.LevelNumber},
                   {"score", replay.Claimed.Score},
                   {"result", replay.Claimed.EndScreen == ssGameOver}});
  } catch (const std::exception&) {
    return "null";
  }
}

// {best, streak}: the best score of the day `today` (YYYYMMDD) or null, and the days played in a
// row up to it.
EMSCRIPTEN_KEEPALIVE const char* brunival_daily_record(int32_t today) {
  const std::optional<TDailyDate> date = TDailyDate::FromNumber(static_cast<uint32_t>(today));
  if (!date) return "null";
  const std::optional<int32_t> best = DailyBest(*date);
  return Answer(
      {{"best", best ? nlohmann::json(*best) : nlohmann::json()}, {"streak", DailyStreak(*date)}});
}
}
