// The information pages: how to play, the controls and the credits, from the catalogue.
#include "screens/information_text.h"

#include <cstdio>

#include "text/catalogue.h"

const std::string& InformationLine(int line) {
  if (line == 32) return Text("back");
  char key[16];
  std::snprintf(key, sizeof key, "info.%02d", line);
  return Text(key);
}
