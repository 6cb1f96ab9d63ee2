// Reading the component stream of an asset container: header, root, tagged values, property paths.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/color.h"
#include "media/container_bytes.h"
#include "media/container_errors.h"
#include "media/container_stream.h"

// One property an object offers; Object is set when a dotted path may go through it.
struct TObjectSchema;
struct TPropertySchema {
  std::string_view Name;
  int Id;
  const TObjectSchema* Object = nullptr;
};
struct TObjectSchema {
  std::span<const TPropertySchema> Properties;
};

// Walks a dotted path from the given object, names matched without regard to case. Raises
// EReadError "Property %s does not exist" for an unknown part, "Invalid property path" when a
// part before the last is not an object. Returns the Id of the last part.
int ResolvePropertyPath(const TObjectSchema& object, std::string_view path);

// The whole file; raises EFOpenError when it cannot be opened or read.
std::vector<uint8_t> ReadContainerFile(const std::string& fileName);

class TComponentReader {
 public:
  explicit TComponentReader(std::span<const uint8_t> file) : file_(file), in_(file) {}

  // Resource header, "TPF0", optional prefix, class name and object name.
  void ReadRoot();
  // The object name, or the class name when the object has none.
  std::string RootDisplayName() const { return rootName_.empty() ? rootClass_ : rootName_; }

  // True, consuming the 0 byte, when a property or item list ends here.
  bool EndOfList();
  std::string ReadPropertyPath() { return in_.ShortString(); }
  // The 0 byte that ends the root's (empty) child list.
  void ReadChildListEnd();

  // Values; a tag that does not fit raises EReadError "Invalid property value".
  int32_t ReadInteger();
  bool ReadBoolean();
  // Tags 6 and 12 as stored (Windows-1250), 18 and 20 converted to Windows-1250.
  std::string ReadString();
  // An integer, or one of the colour identifiers.
  TColor ReadColor();
  // Points into the file: nothing is copied.
  std::span<const uint8_t> ReadBinary();
  // Tag 14.
  void ReadCollectionStart();
  // Skips an optional order value; true at tag 1 (an item follows), false at the closing 0.
  bool ReadNextItemStart();

  // Runs read(); an error from it is reported as "Error reading <object>.<path>: <message>",
  // unless it already names the property it came from.
  template <typename Read>
  static void ReadPropertyValue(const std::string& objectName, const std::string& path,
                                Read&& read) {
    try {
      read();
    } catch (const EPropertyReadError&) {
      throw;
    } catch (const std::exception& error) {
      throw EPropertyReadError(ErrorReadingProperty(objectName, path, error.what()));
    }
  }

 private:
  void SkipResourceHeader();
  int32_t IntegerData(uint8_t tag);

  std::span<const uint8_t> file_;
  TByteReader in_;
  std::string rootClass_;
  std::string rootName_;
};
