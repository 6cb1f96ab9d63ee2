// The SDL window and renderer: full-screen letterboxing, sharp scaling and frame pacing.
#include "platform/sdl2/sdl_window.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "media/surface.h"
#include "platform/sdl2/sdl_letterbox.h"

namespace {
// A monitor's name as one line of the settings file.
std::string MonitorName(int monitor) {
  const char* name = SDL_GetDisplayName(monitor);
  std::string line;
  for (const char* c = name; c != nullptr && *c != '\0'; ++c) {
    if (static_cast<unsigned char>(*c) >= ' ') line += *c;
  }
  const auto end = line.find_last_not_of(' ');
  line.erase(end == std::string::npos ? 0 : end + 1);
  return line.substr(std::min(line.size(), line.find_first_not_of(' ')));
}

// The monitor by its name, which survives docking; two of the same make and model are told
// apart by their number. By number alone when no monitor has the name.
int RememberedMonitor(const TDisplaySettings& settings) {
  int named = -1;
  for (int monitor = 0; monitor < SDL_GetNumVideoDisplays(); ++monitor) {
    if (settings.MonitorName.empty() || MonitorName(monitor) != settings.MonitorName) continue;
    if (monitor == settings.Monitor) return monitor;
    if (named < 0) named = monitor;
  }
  return named >= 0 ? named : settings.Monitor;
}
}  // namespace

TSdlWindow::TSdlWindow() {
  window_ = SDL_CreateWindow("Brunival", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480,
                             SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
  if (window_ == nullptr) {
    throw std::runtime_error(std::string("cannot create the window: ") + SDL_GetError());
  }
}

TSdlWindow::~TSdlWindow() {
  DestroyRenderer();
  SDL_DestroyWindow(window_);
}

bool TSdlWindow::CreateRenderer() {
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "1");
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) return false;
  SDL_RendererInfo info{};
  vsync_ =
      SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               width_, height_);
  if (texture_ == nullptr) {
    DestroyRenderer();
    return false;
  }
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  shown_.assign(static_cast<size_t>(width_) * height_, 0);
  return true;
}

void TSdlWindow::DestroyRenderer() {
  if (sharpTexture_ != nullptr) SDL_DestroyTexture(sharpTexture_);
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  sharpTexture_ = nullptr;
  sharpFactor_ = 0;
  texture_ = nullptr;
  renderer_ = nullptr;
  shownValid_ = false;
}

void TSdlWindow::PlaceWindowOn(int display) {
  SDL_Rect room{0, 0, width_, height_};
  if (SDL_GetDisplayUsableBounds(display, &room) != 0) {
    SDL_SetWindowSize(window_, width_, height_);
    return;
  }
  int top = 0, left = 0, bottom = 0, right = 0;
  // The frame is known only once the window has one: a usual title bar's allowance until then.
  if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0 || top == 0) {
    top = 40;
    left = right = bottom = 8;
  }
  const int32_t roomWidth = room.w - left - right;
  const int32_t roomHeight = room.h - top - bottom;
  const int32_t factor = WholeWindowFactor(width_, height_, roomWidth, roomHeight);
  SDL_SetWindowSize(window_, width_ * factor, height_ * factor);
  // Centred by hand: SDL would centre the window at the size it had before. A hidden window is
  // centred once shown.
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) == 0) return;
  SDL_SetWindowPosition(window_, room.x + left + std::max(0, (roomWidth - width_ * factor) / 2),
                        room.y + top + std::max(0, (roomHeight - height_ * factor) / 2));
}

void TSdlWindow::EnterFullScreen(bool fullScreen) {
  if (fullScreen) {
    // A desktop-sized window instead of a mode change: the picture is scaled, never the monitor.
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) fullScreen = false;
  } else {
    SDL_SetWindowFullscreen(window_, 0);
    // Centred on the monitor it is on, not always the first one.
    PlaceWindowOn(std::max(0, SDL_GetWindowDisplayIndex(window_)));
    SDL_SetWindowResizable(window_, SDL_TRUE);
  }
  fullScreen_ = fullScreen;
}

bool TSdlWindow::Open(int32_t width, int32_t height, bool fullScreen) {
  width_ = width;
  height_ = height;
  // When full screen cannot be had, a window serves the game just as well.
  EnterFullScreen(fullScreen && !preferWindow_);
  // The game made the window borderless for full screen; a chosen window keeps its frame.
  if (preferWindow_ && !fullScreen_) SDL_SetWindowBordered(window_, SDL_TRUE);
  SDL_ShowWindow(window_);
  // A window manager may place a newly shown window where it was created, whatever it was told
  // while hidden: the window is centred with its first picture.
  placePending_ = !fullScreen_;
  SDL_RaiseWindow(window_);
  lost_ = false;
  lastPresent_ = 0;
  return CreateRenderer();
}

void TSdlWindow::Close() {
  DestroyRenderer();
  if (fullScreen_) EnterFullScreen(false);
}

bool TSdlWindow::CanPresent() {
  return texture_ != nullptr && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) == 0;
}

bool TSdlWindow::RestoreSurfaces() {
  DestroyRenderer();
  lost_ = !CreateRenderer();
  return !lost_;
}

void TSdlWindow::Present(const TDirectDrawSurface& surface) {
  if (placePending_) {
    placePending_ = false;
    PlaceWindowOn(std::max(0, SDL_GetWindowDisplayIndex(window_)));
  }
  if (texture_ == nullptr || surface.Width() != width_ || surface.Height() != height_) return;
  int outputWidth = 0;
  int outputHeight = 0;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  // A still picture (a menu waiting for a key) stays on screen as it is: scaling it again every
  // frame was most of an idle game's cost with a software renderer. The pacing is unchanged.
  if (!ShowsSameFrame(surface, outputWidth, outputHeight)) {
    shown_.assign(surface.Pixels(), surface.Pixels() + shown_.size());
    shownWidth_ = outputWidth;
    shownHeight_ = outputHeight;
    shownValid_ = true;
    SDL_UpdateTexture(texture_, nullptr, surface.Pixels(), width_ * 4);
    DrawScaled(outputWidth, outputHeight);
    SDL_RenderPresent(renderer_);
  }
  PaceToRefreshRate();
  presented_ = true;
}

bool TSdlWindow::ShowsSameFrame(const TDirectDrawSurface& surface, int outputWidth,
                                int outputHeight) const {
  return shownValid_ && outputWidth == shownWidth_ && outputHeight == shownHeight_ &&
         std::equal(shown_.begin(), shown_.end(), surface.Pixels());
}

void TSdlWindow::DrawScaled(int outputWidth, int outputHeight) {
  const TLetterbox box = Letterbox(width_, height_, outputWidth, outputHeight, scaling_);
  const SDL_Rect target{box.X, box.Y, box.Width, box.Height};
  const int32_t factor = CoveringFactor(width_, height_, box);
  const bool whole = box.Width == width_ * factor && box.Height == height_ * factor;
  SDL_Texture* source = texture_;
  if (scaling_ == TScaling::Sharp && !whole && PrepareSharpTexture(factor)) {
    // Nearest neighbour up to a whole multiple that covers the target, then smoothly down to it:
    // every source pixel stays crisp and the same size to the eye.
    SDL_SetRenderTarget(renderer_, sharpTexture_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_SetRenderTarget(renderer_, nullptr);
    source = sharpTexture_;
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, source, nullptr, &target);
}

bool TSdlWindow::PrepareSharpTexture(int32_t factor) {
  if (sharpTexture_ != nullptr && sharpFactor_ == factor) return true;
  if (sharpTexture_ != nullptr) SDL_DestroyTexture(sharpTexture_);
  sharpTexture_ = nullptr;
  sharpFactor_ = 0;
  if (!SDL_RenderTargetSupported(renderer_)) return false;
  sharpTexture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                    width_ * factor, height_ * factor);
  if (sharpTexture_ == nullptr) return false;  // larger than the renderer takes: plain nearest
  SDL_SetTextureScaleMode(sharpTexture_, SDL_ScaleModeLinear);
  sharpFactor_ = factor;
  return true;
}

void TSdlWindow::PaceToRefreshRate() {
  SDL_DisplayMode mode{};
  int refreshRate = 60;
  const int display = SDL_GetWindowDisplayIndex(window_);
  if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0) {
    refreshRate = mode.refresh_rate;
  }
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  const uint64_t period = frequency / static_cast<uint64_t>(refreshRate);
  uint64_t now = SDL_GetPerformanceCounter();
  const uint64_t due = lastPresent_ + period;
  // A working vertical-blank wait already took about a period; without one (or with a driver
  // that ignores it) sleep out the rest of the period rather than spin a core.
  if (lastPresent_ != 0 && now < due && (!vsync_ || due - now > period / 2)) {
    SDL_Delay(static_cast<Uint32>((due - now) * 1000 / frequency));
    now = SDL_GetPerformanceCounter();
  }
  lastPresent_ = now;
}

bool TSdlWindow::TakePresented() {
  const bool presented = presented_;
  presented_ = false;
  return presented;
}

bool TSdlWindow::HasFocus() const {
  return SDL_GetKeyboardFocus() == window_;
}

void TSdlWindow::ToggleFullScreen() {
  EnterFullScreen(!fullScreen_);
  shownValid_ = false;
  SDL_SetWindowBordered(window_, fullScreen_ ? SDL_FALSE : SDL_TRUE);
  preferWindow_ = !fullScreen_;
}

void TSdlWindow::UseDisplaySettings(const TDisplaySettings& settings) {
  preferWindow_ = !settings.FullScreen;
  scaling_ = settings.Scaling;
  const int monitor = RememberedMonitor(settings);
  // A monitor that has gone since the last run: the window stays where it was created.
  if (monitor < SDL_GetNumVideoDisplays()) {
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(monitor),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(monitor));
  }
}

TDisplaySettings TSdlWindow::CurrentDisplaySettings() const {
  const int monitor = std::max(0, SDL_GetWindowDisplayIndex(window_));
  return TDisplaySettings{fullScreen_, monitor, scaling_, MonitorName(monitor)};
}

void TSdlWindow::SavePlacement() {
  SDL_GetWindowPosition(window_, &savedX_, &savedY_);
  SDL_GetWindowSize(window_, &savedWidth_, &savedHeight_);
}

void TSdlWindow::RestorePlacement() {
  if (fullScreen_) EnterFullScreen(false);
  SDL_SetWindowSize(window_, savedWidth_, savedHeight_);
  SDL_SetWindowPosition(window_, savedX_, savedY_);
}

void TSdlWindow::ShowCursor(bool visible) {
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void TSdlWindow::SetBorderless(bool borderless) {
  SDL_SetWindowBordered(window_, borderless ? SDL_FALSE : SDL_TRUE);
}
