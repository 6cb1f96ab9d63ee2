// Reads sound items (name, looping, copy limit, RIFF payload) into the sound list.
#include "media/container_sounds.h"

#include "media/container_reader.h"
#include "media/riff.h"
#include "media/sound.h"

namespace {

enum TWaveProperty { wpList, wpName, wpLooped, wpMaxPlayingCount, wpWave, wpWaveData };

constexpr TObjectSchema kListObject{};  // the sound list offers no sub-properties
constexpr TPropertySchema kRootProperties[] = {{"List", wpList, &kListObject}};
constexpr TObjectSchema kRootObject{kRootProperties};

constexpr TPropertySchema kWaveProperties[] = {{"WAVE", wpWaveData}};
constexpr TObjectSchema kWaveObject{kWaveProperties};
constexpr TPropertySchema kItemProperties[] = {
    {"Name", wpName},
    {"Looped", wpLooped},
    {"MaxPlayingCount", wpMaxPlayingCount},
    {"Wave", wpWave, &kWaveObject},
};
constexpr TObjectSchema kItemObject{kItemProperties};

void ReadItemProperty(TComponentReader& reader, TWaveCollectionItem& item, int property) {
  switch (property) {
    case wpName:
      item.SetName(reader.ReadString());
      break;
    case wpLooped:
      item.Looped = reader.ReadBoolean();
      break;
    case wpMaxPlayingCount:
      item.SetMaxPlayingCount(reader.ReadInteger());
      break;
    case wpWaveData:
      item.Wave = ReadRiffWave(reader.ReadBinary());
      break;
    default:  // "Wave" itself: an object, not a value
      throw EReadError(kInvalidPropertyValue);
  }
}

void ReadItems(TComponentReader& reader, TWaveCollection& list) {
  reader.ReadCollectionStart();
  while (reader.ReadNextItemStart()) {
    TWaveCollectionItem& item = list.Add();
    while (!reader.EndOfList()) {
      const std::string path = reader.ReadPropertyPath();
      const int property = ResolvePropertyPath(kItemObject, path);
      const std::string owner = item.Name().empty() ? "TWaveCollectionItem" : item.Name();
      TComponentReader::ReadPropertyValue(owner, path,
                                          [&] { ReadItemProperty(reader, item, property); });
    }
  }
}

}  // namespace

void LoadSoundContainer(TWaveCollection& list, std::span<const uint8_t> file) {
  TComponentReader reader(file);
  reader.ReadRoot();
  while (!reader.EndOfList()) {
    const std::string path = reader.ReadPropertyPath();
    ResolvePropertyPath(kRootObject, path);  // only "List" exists
    TComponentReader::ReadPropertyValue(reader.RootDisplayName(), path,
                                        [&] { ReadItems(reader, list); });
  }
  reader.ReadChildListEnd();
}

void TWaveCollection::LoadFromFile(const std::string& fileName) {
  const std::vector<uint8_t> file = ReadContainerFile(fileName);
  Clear();
  LoadSoundContainer(*this, file);
  if (Sound != nullptr && Sound->Initialized()) {
    Initialize();
    Restore();
  }
}
