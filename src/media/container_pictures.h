// Filling the picture list from the picture container (grafika.dat).
#pragma once
#include <cstdint>
#include <span>

#include "media/picture_list.h"

// Reads a whole container held in memory into the list, appending items; errors propagate with
// the items read so far left in the list. LoadFromFile is this plus opening, emptying and
// initializing.
void LoadPictureContainer(TPictureCollection& list, std::span<const uint8_t> file);

// A "Picture.Data" payload: class name, then "TDIB", "TBitmap" or "TJPEGImage" data. Other
// classes ("TIcon", "TMetafile" included) give an empty picture, as does an empty payload.
TPicture DecodePicturePayload(std::span<const uint8_t> payload);
