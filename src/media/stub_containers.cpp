// Temporary stand-ins so the tree links; replaced by the container reader.
#include "media/picture_list.h"
#include "media/wave_list.h"

void TPictureCollection::LoadFromFile(const std::string&) {
  Clear();
}
void TWaveCollection::LoadFromFile(const std::string&) {
  Clear();
}
