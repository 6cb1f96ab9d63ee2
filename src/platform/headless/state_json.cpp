// Building the state object from the game's globals; member names are the game's own.
#include "platform/headless/state_json.h"

#include "media/media_events.h"
#include "media/music_library.h"
#include "media/wave_list.h"
#include "play/game_state.h"
#include "screens/intro.h"
#include "shell/main_form.h"
#include "shell/music_control.h"
#include "shell/screen_state.h"
#include "store/high_scores.h"
#include "store/level_params.h"
#include "text/cp1250.h"

using nlohmann::ordered_json;

namespace {
ordered_json LevelJson(const TLevelParams& level) {
  return {{"TimeLimit", level.TimeLimit},
          {"AtomKinds", Cp1250ToUtf8(level.AtomKinds)},
          {"SupplyInterval", level.SupplyInterval},
          {"MoleculeGoal", level.MoleculeGoal},
          {"MinMoleculeSize", level.MinMoleculeSize},
          {"BriefingDelay", level.BriefingDelay}};
}

template <typename Container>
ordered_json TextsJson(const Container& texts, size_t first) {
  ordered_json out = ordered_json::array();
  for (size_t i = first; i < texts.size(); ++i) out.push_back(Cp1250ToUtf8(texts[i]));
  return out;
}

ordered_json CellJson(const TBoardCell& cell) {
  return {{"Kind", cell.Kind},
          {"FreeElectrons", cell.FreeElectrons},
          {"ElectronAngle", cell.ElectronAngle},
          {"BondUp", cell.BondUp},
          {"BondDown", cell.BondDown},
          {"BondLeft", cell.BondLeft},
          {"BondRight", cell.BondRight},
          {"BlastRadius", cell.BlastRadius}};
}

ordered_json GameJson() {
  ordered_json queue = ordered_json::array();
  for (const TQueueEntry& entry : Game.Queue) {
    queue.push_back({{"Kind", entry.Kind}, {"Y", entry.Y}, {"LandSound", entry.LandSound}});
  }
  ordered_json board = ordered_json::array();
  for (const auto& column : Game.Board) {
    ordered_json cells = ordered_json::array();
    for (const TBoardCell& cell : column) cells.push_back(CellJson(cell));
    board.push_back(std::move(cells));
  }
  return {{"QueueCount", Game.QueueCount},
          {"Queue", std::move(queue)},
          {"CursorCol", Game.CursorCol},
          {"CursorRow", Game.CursorRow},
          {"CursorOffsetX", Game.CursorOffsetX},
          {"CursorOffsetY", Game.CursorOffsetY},
          {"CursorStepX", Game.CursorStepX},
          {"CursorStepY", Game.CursorStepY},
          {"CursorPulseStep", Game.CursorPulseStep},
          {"CursorPulse", Game.CursorPulse},
          {"Board", std::move(board)},
          {"Score", Game.Score},
          {"GameMode", Game.GameMode},
          {"Level", LevelJson(Game.Level)},
          {"QuitPrompt", Game.QuitPrompt},
          {"NewRecord", Game.NewRecord},
          {"LevelNumber", Game.LevelNumber},
          {"Phase", Game.Phase},
          {"MoleculesMade", Game.MoleculesMade},
          {"ResultTime", Game.ResultTime},
          {"OverlaySlide", Game.OverlaySlide},
          {"NextAtomTime", Game.NextAtomTime},
          {"BoardCleared", Game.BoardCleared},
          {"EnteredName", Cp1250ToUtf8(Game.EnteredName)}};
}

ordered_json IntroJson() {
  ordered_json out = ordered_json::array();
  for (size_t i = 1; i < Intro.Objects.size(); ++i) {
    const TIntroObjekt& object = Intro.Objects[i];
    out.push_back({{"Alpha", object.Alpha}, {"X", object.X}, {"Y", object.Y}});
  }
  return out;
}

ordered_json SongsJson() {
  ordered_json out = ordered_json::array();
  for (const TSongSlot& song : Songs) {
    out.push_back({{"Loaded", song.Handle != nullptr},
                   {"MasterVolume", song.MasterVolume},
                   {"Playing", FMUSIC_IsPlaying(song.Handle)}});
  }
  return out;
}

ordered_json WavesJson(TWaveCollection& waves) {
  // Later items win a name they share with an earlier one, as the name lookup does.
  ordered_json out = ordered_json::object();
  for (int32_t i = 0; i < waves.Count(); ++i) {
    TWaveCollectionItem& item = waves.Items(i);
    out[Cp1250ToUtf8(item.Name())] = {{"Frequency", item.Frequency()}, {"Volume", item.Volume()}};
  }
  return out;
}

ordered_json EventsJson() {
  ordered_json out = ordered_json::array();
  for (const std::string& event : TakeMediaEvents()) out.push_back(Cp1250ToUtf8(event));
  return out;
}

ordered_json LevelsJson(const auto& levels, size_t first) {
  ordered_json out = ordered_json::array();
  for (size_t i = first; i < levels.size(); ++i) out.push_back(LevelJson(levels[i]));
  return out;
}
}  // namespace

ordered_json GameStateJson(TMainForm& form) {
  return {{"ScreenState", ScreenState},
          {"StateTime", Game.StateTime},
          {"Closed", form.Closed()},
          {"ConfigFailed", form.ConfigFailed},
          {"GraphicsFailed", form.GraphicsFailed},
          {"SoundsFailed", form.SoundsFailed},
          {"MusicFailed", form.MusicFailed},
          {"LatchUp", LatchUp},
          {"LatchDown", LatchDown},
          {"LatchLeft", LatchLeft},
          {"LatchRight", LatchRight},
          {"LatchConfirm", LatchConfirm},
          {"LatchBack", LatchBack},
          {"HlMenu",
           {{"ItemCount", HlMenu.ItemCount},
            {"Items", TextsJson(HlMenu.Items, 1)},
            {"Selected", HlMenu.Selected}}},
          {"InfoTopLine", InfoTopLine},
          {"Settings", {Settings[1], Settings[2], Settings[3]}},
          {"Intro", IntroJson()},
          {"Game", GameJson()},
          {"ArcadeLevels", LevelsJson(ArcadeLevels, 1)},
          {"ModeParams", LevelsJson(ModeParams, 2)},
          {"HallNames", TextsJson(HallNames, 0)},
          {"HallScores", TextsJson(HallScores, 0)},
          {"Songs", SongsJson()},
          {"Waves", WavesJson(form.DXWaveList.Items)},
          {"Events", EventsJson()}};
}
