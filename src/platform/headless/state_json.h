// The runner's state object: the game's globals as one JSON object, texts in UTF-8.
#pragma once
#include <nlohmann/json.hpp>

class TMainForm;

// Reads the globals (and the form's flags and sound list); takes the media events recorded since
// the previous call.
nlohmann::ordered_json GameStateJson(TMainForm& form);
