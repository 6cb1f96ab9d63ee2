// The media event log; bounded so a game that nobody reads from cannot grow it without end.
#include "media/media_events.h"

namespace {
constexpr size_t kMaxEvents = 4096;
std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}
}  // namespace

void RecordMediaEvent(std::string event) {
  auto& events = Events();
  if (events.size() >= kMaxEvents) events.erase(events.begin());
  events.push_back(std::move(event));
}

std::vector<std::string> TakeMediaEvents() {
  std::vector<std::string> taken;
  taken.swap(Events());
  return taken;
}
