// Starting the day's challenge from a back end, once start-up is done.
#pragma once

struct TDailyDate;
class TMainForm;

// Puts the day's game up at its briefing, with no intro or menus on the way, recorded as every
// game is. Nothing happens while the game could not load its data: the load-failure screen stays.
void StartDailyChallenge(TMainForm& form, const TDailyDate& date);
