// Mode descriptions of the mode choice, line by line from the catalogue.
#include "screens/mode_descriptions.h"

#include <cstdio>

#include "text/catalogue.h"

const std::string& ModeDescriptionLine(int mode, int line) {
  if (line == 14) return Text("back");
  char key[32];
  std::snprintf(key, sizeof key, "modeinfo.%d.%02d", mode, line);
  return Text(key);
}
