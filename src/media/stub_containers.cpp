// Temporary stand-ins so the tree links; replaced by the container reader.
#include "media/picture_list.h"
#include "media/wave_list.h"

void TPictureCollection::LoadFromFile(const std::string&) { Clear(); }
void TWaveCollection::LoadFromFile(const std::string&) { Clear(); }

#include <stdexcept>
#include "media/container_writer.h"
std::vector<uint8_t> EncodePictureContainer(const std::vector<TPictureEntry>&) {
  throw std::runtime_error("container writer not built yet");
}
std::vector<uint8_t> EncodeSoundContainer(const std::vector<TSoundEntry>&) {
  throw std::runtime_error("container writer not built yet");
}
void WritePictureContainer(const std::string&, const std::vector<TPictureEntry>&) {
  throw std::runtime_error("container writer not built yet");
}
void WriteSoundContainer(const std::string&, const std::vector<TSoundEntry>&) {
  throw std::runtime_error("container writer not built yet");
}
