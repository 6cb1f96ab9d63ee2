// Errors raised while reading the asset containers; what() is the text the player is shown.
#pragma once
#include <stdexcept>
#include <string>

// Stream-level failures: "Invalid stream format", and the base of the reading errors.
class EFilerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Stream read error", "Invalid property value", "Property %s does not exist",
// "Invalid property path".
class EReadError : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

// "Error reading %s%s%s: %s": an error inside a property, already named by where it happened.
class EPropertyReadError : public EReadError {
 public:
  using EReadError::EReadError;
};

// The file could not be opened.
class EFOpenError : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

// "''%s'' is not a valid component name".
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "DIB is invalid", "Bitcount in invalid (%d)", "PixelFormat in invalid",
// "Bitmap image is not valid".
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Wave is invalid".
class EWaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kDibInvalid = "DIB is invalid";
inline constexpr const char* kPixelFormatInvalid = "PixelFormat in invalid";
inline constexpr const char* kBitmapInvalid = "Bitmap image is not valid";
inline constexpr const char* kWaveInvalid = "Wave is invalid";

inline std::string PropertyDoesNotExist(const std::string& name) {
  return "Property " + name + " does not exist";
}
inline std::string InvalidComponentName(const std::string& name) {
  return "''" + name + "'' is not a valid component name";
}
inline std::string BitCountInvalid(int bitCount) {
  return "Bitcount in invalid (" + std::to_string(bitCount) + ")";
}
inline std::string ErrorReadingProperty(const std::string& objectName, const std::string& path,
                                        const std::string& message) {
  return "Error reading " + objectName + "." + path + ": " + message;
}
