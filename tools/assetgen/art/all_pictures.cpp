// Gathers every picture the game looks up into one list.
#include "art/pictures.h"

std::vector<TPictureEntry> MakeAllPictures() {
  std::vector<TPictureEntry> pictures;
  pictures.push_back(MakeMenuPicture());
  pictures.push_back(MakeLargeFont());
  pictures.push_back(MakeSmallFont());
  for (auto* part : {MakeIntroPictures, MakeAtomPictures, MakeFramePictures}) {
    for (TPictureEntry& entry : part()) pictures.push_back(std::move(entry));
  }
  return pictures;
}
