#include "platform/web/web_backend.h"

#include <emscripten.h>

#include <algorithm>
#include <cstring>

#include "media/surface.h"

uint32_t TWebClock::Milliseconds() {
  return static_cast<uint32_t>(static_cast<uint64_t>(elapsed_));
}

void TWebClock::Advance() {
  const double now = byHand_ ? handNow_ : emscripten_get_now();
  if (last_ >= 0) elapsed_ += std::clamp(now - last_, 0.0, kLongestStepMs);
  last_ = now;
}

void TWebClock::TakeByHand() {
  if (byHand_) return;
  byHand_ = true;
  if (last_ < 0) last_ = 0;
  handNow_ = last_;
}

EM_JS(void, brunival_page_present, (const uint8_t* rgba, int32_t width, int32_t height),
      { Module.brunivalPresent(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height); });

bool TWebDisplay::Open(int32_t width, int32_t height, bool) {
  rgba_.assign(static_cast<size_t>(width) * height * 4, 0xFF);
  return true;
}

void TWebDisplay::Present(const TDirectDrawSurface& surface) {
  // The surface holds 0x00RRGGBB words; the canvas takes R, G, B, A bytes.
  const size_t count = static_cast<size_t>(surface.Width()) * surface.Height();
  const uint32_t* pixels = surface.Pixels();
  if (shown_.size() == count && std::memcmp(shown_.data(), pixels, count * 4) == 0) return;
  shown_.assign(pixels, pixels + count);
  ++picturesShown_;
  rgba_.resize(count * 4);
  uint8_t* out = rgba_.data();
  for (size_t i = 0; i < count; ++i, out += 4) {
    const uint32_t pixel = pixels[i];
    out[0] = static_cast<uint8_t>(pixel >> 16);
    out[1] = static_cast<uint8_t>(pixel >> 8);
    out[2] = static_cast<uint8_t>(pixel);
    out[3] = 0xFF;
  }
  brunival_page_present(rgba_.data(), surface.Width(), surface.Height());
}

void TWebKeyboard::ReadKeys(std::array<uint8_t, 256>& keyStates) {
  for (size_t key = 0; key < down_.size(); ++key) {
    if (down_[key]) keyStates[key] |= 0x80;
  }
}

void TWebKeyboard::SetKey(int32_t virtualKey, bool down) {
  if (virtualKey > 0 && virtualKey < 256) down_[static_cast<size_t>(virtualKey)] = down;
}

void TWebKeyboard::SetForeground(bool foreground) {
  foreground_ = foreground;
  if (!foreground) down_.fill(false);
}
