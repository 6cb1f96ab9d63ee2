// A log of what the media layer was asked to do ("play NAME", "music play N", ...), read by the
// headless runner and by tests; the game itself never reads it.
#pragma once
#include <string>
#include <vector>

void RecordMediaEvent(std::string event);
// Returns the events recorded since the previous call and forgets them.
std::vector<std::string> TakeMediaEvents();
