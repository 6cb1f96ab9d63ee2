// Reads picture items (name, patterns, transparency, picture payload) into the picture list.
#include "media/container_pictures.h"

#include <algorithm>

#include "media/container_reader.h"
#include "media/dib.h"
#include "media/jpeg_decode.h"

namespace {

enum TPictureProperty {
  ppList,
  ppColorTable,
  ppName,
  ppPatternHeight,
  ppPatternWidth,
  ppPicture,
  ppPictureData,
  ppSkipHeight,
  ppSkipWidth,
  ppSystemMemory,
  ppTransparent,
  ppTransparentColor,
};

constexpr TPropertySchema kListProperties[] = {{"ColorTable", ppColorTable}};
constexpr TObjectSchema kListObject{kListProperties};
constexpr TPropertySchema kRootProperties[] = {{"List", ppList, &kListObject}};
constexpr TObjectSchema kRootObject{kRootProperties};

constexpr TPropertySchema kPictureProperties[] = {{"Data", ppPictureData}};
constexpr TObjectSchema kPictureObject{kPictureProperties};
constexpr TPropertySchema kItemProperties[] = {
    {"Name", ppName},
    {"PatternHeight", ppPatternHeight},
    {"PatternWidth", ppPatternWidth},
    {"Picture", ppPicture, &kPictureObject},
    {"SkipHeight", ppSkipHeight},
    {"SkipWidth", ppSkipWidth},
    {"SystemMemory", ppSystemMemory},
    {"Transparent", ppTransparent},
    {"TransparentColor", ppTransparentColor},
};
constexpr TObjectSchema kItemObject{kItemProperties};

constexpr size_t kColorTableSize = 1024;

void ReadItemProperty(TComponentReader& reader, TPictureCollectionItem& item, int property) {
  switch (property) {
    case ppName:
      item.SetName(reader.ReadString());
      break;
    case ppPatternHeight:
      item.PatternHeight = reader.ReadInteger();
      break;
    case ppPatternWidth:
      item.PatternWidth = reader.ReadInteger();
      break;
    case ppPictureData:
      item.Picture = DecodePicturePayload(reader.ReadBinary());
      break;
    case ppSkipHeight:
      item.SkipHeight = reader.ReadInteger();
      break;
    case ppSkipWidth:
      item.SkipWidth = reader.ReadInteger();
      break;
    case ppSystemMemory:
      item.SystemMemory = reader.ReadBoolean();
      break;
    case ppTransparent:
      item.Transparent = reader.ReadBoolean();
      break;
    case ppTransparentColor:
      item.SetTransparentColor(reader.ReadColor());
      break;
    default:  // "Picture" itself: an object, not a value
      throw EReadError(kInvalidPropertyValue);
  }
}

void ReadItems(TComponentReader& reader, TPictureCollection& list) {
  reader.ReadCollectionStart();
  while (reader.ReadNextItemStart()) {
    TPictureCollectionItem& item = list.Add();
    while (!reader.EndOfList()) {
      const std::string path = reader.ReadPropertyPath();
      const int property = ResolvePropertyPath(kItemObject, path);
      const std::string owner = item.Name().empty() ? "TPictureCollectionItem" : item.Name();
      TComponentReader::ReadPropertyValue(owner, path,
                                          [&] { ReadItemProperty(reader, item, property); });
    }
  }
}

void ReadColorTable(TComponentReader& reader, TPictureCollection& list) {
  const auto table = reader.ReadBinary();
  if (table.size() < kColorTableSize) throw EReadError(kStreamReadError);
  std::copy_n(table.begin(), kColorTableSize, list.ColorTable.begin());
}

}  // namespace

TPicture DecodePicturePayload(std::span<const uint8_t> payload) {
  if (payload.empty()) return {};
  TByteReader in(payload);
  const std::string className = in.ShortString();
  if (className == "TDIB") return ReadDib(in);
  if (className == "TBitmap") {
    const uint32_t size = in.U32();
    if (size == 0) return {};
    return ReadBmpFile(in.Take(size));
  }
  if (className == "TJPEGImage") {
    const uint32_t size = in.U32();
    if (size == 0) return {};
    return DecodeJpeg(in.Take(size));
  }
  // "TIcon", "TMetafile" and unknown classes: a picture this game cannot show.
  return {};
}

void LoadPictureContainer(TPictureCollection& list, std::span<const uint8_t> file) {
  TComponentReader reader(file);
  reader.ReadRoot();
  while (!reader.EndOfList()) {
    const std::string path = reader.ReadPropertyPath();
    const int property = ResolvePropertyPath(kRootObject, path);
    TComponentReader::ReadPropertyValue(reader.RootDisplayName(), path, [&] {
      if (property == ppColorTable) {
        ReadColorTable(reader, list);
      } else {
        ReadItems(reader, list);
      }
    });
  }
  reader.ReadChildListEnd();
}

void TPictureCollection::LoadFromFile(const std::string& fileName) {
  const std::vector<uint8_t> file = ReadContainerFile(fileName);
  Clear();
  LoadPictureContainer(*this, file);
  if (DisplayInitialized()) {
    Initialize(Display);
    Restore();
  }
}
