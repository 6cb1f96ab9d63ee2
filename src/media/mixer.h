// Our software mixer: effect voices and streamed sources summed into one stereo float output.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// A recording converted once to float frames; voices and their copies share one of these.
struct TSampleBuffer {
  int32_t SampleRate = 0;
  int32_t Channels = 1;        // 1 or 2
  std::vector<float> Samples;  // interleaved, -1..1
  int64_t Frames() const { return static_cast<int64_t>(Samples.size()) / Channels; }
};

// The parts of a wave format record the mixer needs.
struct TPcmFormat {
  uint16_t FormatTag = 0;  // 1 integer PCM, 3 IEEE float, 0xFFFE extensible
  int32_t Channels = 0;
  int32_t SampleRate = 0;
  int32_t BitsPerSample = 0;
};

// Reads the format record (the body of a "fmt " chunk); false when it is too short.
bool ParseWaveFormat(const std::vector<uint8_t>& record, TPcmFormat& format);

// Converts sample bytes to float frames: 8-bit unsigned, 16/24/32-bit signed and 32-bit float
// PCM, mono or stereo, 100..200000 Hz. nullptr for anything else or for no whole frame.
std::shared_ptr<const TSampleBuffer> MakeSampleBuffer(const TPcmFormat& format, const uint8_t* data,
                                                      size_t bytes);

// Something that adds its own sound into the mix (the music modules).
class TMixerSource {
 public:
  virtual ~TMixerSource() = default;
  // Called on the audio thread: add `frames` stereo frames at `sampleRate` into `stereo`.
  virtual void MixInto(float* stereo, int frames, int32_t sampleRate) = 0;
};

using TVoiceId = int32_t;
constexpr TVoiceId kNoVoice = -1;

// Volumes are in hundredths of a decibel (0 full, -10000 silent); pan likewise (-10000 left only,
// 10000 right only). A frequency of 0 plays at the recording's rate. Values out of range are
// ignored and the voice keeps its previous setting.
constexpr int32_t kMinVolume = -10000;
constexpr int32_t kMinFrequency = 100;
constexpr int32_t kMaxFrequency = 200000;

// Render runs on the audio thread; every other member is called from the game thread. Each
// command takes the voice lock only long enough to change one voice whole, and Render holds it
// only while it mixes the effect voices (microseconds), so the game thread never waits on a
// module being rendered.
class TMixer {
 public:
  explicit TMixer(int32_t sampleRate = 44100);
  ~TMixer();
  TMixer(const TMixer&) = delete;
  TMixer& operator=(const TMixer&) = delete;

  int32_t SampleRate() const { return sampleRate_; }

  // Fills `frames` interleaved stereo frames (overwrites, never adds); sums above 0.7 are bent
  // softly so no sample reaches full scale.
  void Render(float* interleavedStereo, int frames);

  // Renders `milliseconds` of output as if a device had played it: the headless clock.
  // Fractions of a frame carry over, so many short steps add up to the exact length.
  void Advance(int32_t milliseconds);
  // While on, Advance keeps what it rendered for TakeCapturedOutput (tests read it as numbers).
  void CaptureOutput(bool enabled);
  std::vector<float> TakeCapturedOutput();

  // Voices. A new voice is stopped, at position 0, full volume, centre, recording rate.
  TVoiceId CreateVoice(std::shared_ptr<const TSampleBuffer> samples);
  // A voice sharing `original`'s samples with its frequency, volume and pan.
  TVoiceId DuplicateVoice(TVoiceId original);
  void DestroyVoice(TVoiceId voice);
  // Stop, rewind, apply the three settings and play, in one step the audio thread cannot split.
  void StartVoice(TVoiceId voice, int32_t frequency, int32_t volume, int32_t pan, bool looped);
  void StopVoice(TVoiceId voice);
  void SetVoiceFrequency(TVoiceId voice, int32_t frequency);
  void SetVoiceVolume(TVoiceId voice, int32_t volume);
  void SetVoicePan(TVoiceId voice, int32_t pan);
  bool VoicePlaying(TVoiceId voice) const;
  // Position in frames of the recording.
  double VoicePosition(TVoiceId voice) const;
  int32_t VoiceVolume(TVoiceId voice) const;
  int32_t VoiceCount() const;

  // Sources are mixed after the voices. RemoveSource waits for a render in progress to finish,
  // so the source may be destroyed as soon as it returns.
  void AddSource(TMixerSource* source);
  void RemoveSource(TMixerSource* source);

 private:
  struct TVoice {
    std::shared_ptr<const TSampleBuffer> Samples;
    double Position = 0.0;
    int32_t Frequency = 0;
    int32_t Volume = 0;
    int32_t Pan = 0;
    float GainLeft = 1.0f;
    float GainRight = 1.0f;
    bool Playing = false;
    bool Looped = false;
    bool InUse = false;
  };

  TVoice* Voice(TVoiceId id);
  const TVoice* Voice(TVoiceId id) const;
  static void UpdateGains(TVoice& voice);
  void MixVoice(TVoice& voice, float* stereo, int frames);

  const int32_t sampleRate_;
  mutable std::mutex voiceLock_;
  std::vector<TVoice> voices_;
  std::vector<TVoiceId> freeVoices_;

  std::mutex sourceLock_;
  std::vector<TMixerSource*> sources_;

  // Headless clock and capture (game thread only).
  int64_t advancedMilliseconds_ = 0;
  int64_t advancedFrames_ = 0;
  bool capturing_ = false;
  std::vector<float> captured_;
  std::vector<float> scratch_;
};
