#include "shell/daily_start.h"

#include "play/daily_challenge.h"
#include "play/start_game.h"
#include "replay/frame_recorder.h"
#include "shell/main_form.h"

void StartDailyChallenge(TMainForm& form, const TDailyDate& date) {
  if (form.Closed() || form.ConfigFailed || form.GraphicsFailed || form.SoundsFailed ||
      form.MusicFailed)
    return;
  RecordDailyStart(date.Number());
  StartDailyGame(date);
}
