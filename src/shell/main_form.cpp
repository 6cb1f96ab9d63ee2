// The main window: start-up, shutdown and the frame handler's dispatch over the screen states.
#include "shell/main_form.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "media/media_events.h"
#include "platform/backend.h"
#include "play/game_state.h"
#include "replay/frame_recorder.h"
#include "screens/intro.h"
#include "shell/load_failure.h"
#include "shell/music_control.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "store/configuration.h"
#include "store/random.h"
#include "text/catalogue.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(const TPlatform& platform)
    : DXDraw(platform.Display),
      DXTimer(platform.Clock),
      DXInput(platform.Keyboard),
      DXSound(platform.Mixer),
      window_(platform.Display) {
  MainForm = this;
  DXDraw.Options = doNoWindowChange | doAllowReboot | doWaitVBlank | doCenter | doFlip |
                   doHardware | doSelectDriver;
  DXDraw.OnInitialize = [this] { DXDrawInitialize(); };
  DXDraw.OnFinalize = [this] { DXDrawFinalize(); };
  DXTimer.Interval = 0;
  DXTimer.ActiveOnly = true;
  DXTimer.OnTimer = [this](int32_t lagCount) { DXTimerTimer(lagCount); };
  DXInput.UseDirectInput = true;
  DXInput.ActiveOnly = true;
  DXDraw.Attach(DXImageList.Items);
  // The sound output opens its device while the window is being loaded, before FormCreate.
  DXSound.Attach(DXWaveList.Items);
  DXSound.Initialize();
  UseSoundEffects(&DXWaveList.Items);
}

TMainForm::~TMainForm() {
  if (SoundEffects == &DXWaveList.Items) UseSoundEffects(nullptr);
  if (MainForm == this) MainForm = nullptr;
}

namespace {
bool FileExists(const char* path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// Loads a container file into a list; false when the list is empty afterwards. A file that
// cannot be read counts as empty: the player is told which file is at fault, instead of meeting a
// half-loaded game that fails on every frame.
template <typename TList>
bool LoadContainer(TList& list, const char* fileName) {
  try {
    list.LoadFromFile(fileName);
  } catch (const std::exception& error) {
    RecordMediaEvent(std::string("error ") + error.what());
    list.Clear();
  }
  return list.Count() > 0;
}

// The first values, in the order the game gives them.
void GiveRecordsFirstValues() {
  Game.StateTime = 0;
  Game.QueueCount = 0;
  Game.Score = 0;
  Game.Queue[0].Y = 462;  // the floor marker of the side column
  Game.CursorCol = 1;
  Game.CursorRow = 1;
  Game.CursorOffsetX = 0.0;
  Game.CursorOffsetY = 0.0;
  Game.CursorStepX = 0;
  Game.CursorStepY = 0;
  Game.CursorPulseStep = 1;
  Game.CursorPulse = 50;
  for (auto& column : Game.Board) {
    for (auto& cell : column) {
      cell.Kind = 0;
      cell.FreeElectrons = 0;
    }
  }
  LatchUp = LatchDown = LatchLeft = LatchRight = LatchConfirm = LatchBack = 0;
  ScreenState = ssIntro;
  ShowMenu(StartLabels, 5, 1);
  InfoTopLine = 1;
  Settings = {0, 1, 1, 1};
  ResetIntro();
}
}  // namespace

void TMainForm::FormCreate() {
  window_.SavePlacement();
  window_.ShowCursor(false);
  window_.SetBorderless(true);
  DXDraw.Options |= doFullScreen;
  DXDraw.Initialize();
  // A seed fixed before the window was created (a replay) is kept.
  if (!RandomSeeded()) Randomize();
  LoadCatalogue(std::cerr);
  TakeMenuLabelsFromCatalogue();
  GiveRecordsFirstValues();

  TConfigRecords records;
  ConfigFailed = ReadConfiguration(records);
  ApplyConfiguration(records);

  Game.MoleculesMade = 0;
  Game.Phase = phPlay;
  Game.LevelNumber = 1;
  Game.NextAtomTime = 0;
  Game.BoardCleared = 1;

  GraphicsFailed = false;
  if (!ConfigFailed) {
    if (FileExists("grafika.dat")) {
      if (!LoadContainer(DXImageList.Items, "grafika.dat")) GraphicsFailed = true;
    } else {
      GraphicsFailed = true;
    }
  }

  SoundsFailed = false;
  if (!ConfigFailed && !GraphicsFailed) {
    if (FileExists("zvuky.dat")) {
      if (!LoadContainer(DXWaveList.Items, "zvuky.dat")) {
        SoundsFailed = true;
      } else {
        // A player-made sound file may lack these two; the game then plays without them
        // (a missing effect is silence) instead of failing to start.
        if (auto* ok = DXWaveList.Items.FindOrNull("menu_ok")) ok->SetFrequency(25000);
        if (auto* exchange = DXWaveList.Items.FindOrNull("vymena")) exchange->SetFrequency(18000);
      }
    } else {
      SoundsFailed = true;
    }
  }

  MusicFailed = false;
  if (!ConfigFailed && !GraphicsFailed && !SoundsFailed) StartMusic(MusicFailed);
}

void TMainForm::FormClose() {
  StopMusic();
  DXDraw.Finalize();
  window_.RestorePlacement();
  window_.ShowCursor(true);
  window_.SetBorderless(false);
  DXDraw.Options &= ~static_cast<uint32_t>(doFullScreen);
}

void TMainForm::DXDrawInitialize() {
  DXTimer.SetEnabled(true);
}
void TMainForm::DXDrawFinalize() {
  DXTimer.SetEnabled(false);
}

void TMainForm::Close() {
  if (closed_) return;
  closed_ = true;
  ReplayWindowClosing();
  FormClose();
}

void TMainForm::DXTimerTimer(int32_t lagCount) {
  if (closed_) return;
  if (FrameOverride) {
    // A copy: the watch may end itself, and clear FrameOverride, inside its frame.
    const auto watch = FrameOverride;
    watch(lagCount);
    return;
  }
  RunFrame(lagCount);
}

void TMainForm::RunFrame(int32_t lagCount) {
  if (closed_) return;
  if (ConfigFailed || GraphicsFailed || SoundsFailed || MusicFailed) {
    LoadFailureFrame(*this, lagCount);
    return;
  }
  TReplayFrameScope replayFrame(*this, lagCount);
  bool drew = false;
  switch (ScreenState) {
    case ssIntro:
      drew = IntroFrame(lagCount);
      break;
    case ssMainMenu:
      drew = MainMenuFrame(lagCount);
      break;
    case ssModeChoice:
      drew = ModeChoiceFrame(lagCount);
      break;
    case ssSettings:
      drew = SettingsFrame(lagCount);
      break;
    case ssHallOfFame:
      drew = HallOfFameFrame(lagCount);
      break;
    case ssInformation:
      drew = InformationFrame(lagCount);
      break;
    case ssQuitQuestion:
      drew = QuitQuestionFrame(lagCount);
      break;
    case ssPlay:
      drew = PlayFrame(lagCount);
      break;
    case ssGameOver:
      drew = GameOverFrame(lagCount);
      break;
    case ssNameEntry:
      drew = NameEntryFrame(lagCount);
      break;
    default:
      break;
  }
  replayFrame.SetDrew(drew);
  // A screen that closed the window (the quit question) has nothing left to show.
  if (!drew || closed_) return;
  MusicControl(lagCount);
  DXDraw.Flip();
}
