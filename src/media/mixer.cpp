// Our software mixer: resampling effect voices plus streamed sources, summed and limited.
#include "media/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int kAdvanceChunkFrames = 1024;

uint16_t ReadU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Hundredths of a decibel to an amplitude factor; the floor of the range is true silence.
float CentibelsToGain(int32_t centibels) {
  if (centibels <= kMinVolume) return 0.0f;
  return static_cast<float>(std::pow(10.0, centibels / 2000.0));
}

// The music alone peaks well below the knee and passes untouched; effects piled on top bend
// smoothly toward the ceiling instead of being cut flat at full scale.
constexpr float kLimiterKnee = 0.7f;
constexpr float kLimiterCeiling = 0.98f;

float SoftLimit(float sample) {
  if (!std::isfinite(sample)) return 0.0f;
  const float magnitude = std::fabs(sample);
  if (magnitude <= kLimiterKnee) return sample;
  constexpr float range = kLimiterCeiling - kLimiterKnee;
  return std::copysign(kLimiterKnee + range * std::tanh((magnitude - kLimiterKnee) / range),
                       sample);
}

float DecodeSample(const uint8_t* p, int32_t bits, bool isFloat) {
  if (isFloat) {
    float value;
    std::memcpy(&value, p, sizeof value);
    return std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
  }
  switch (bits) {
    case 8:
      return (static_cast<int>(p[0]) - 128) / 128.0f;
    case 16:
      return static_cast<int16_t>(ReadU16(p)) / 32768.0f;
    case 24: {
      const uint32_t raw = static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                           static_cast<uint32_t>(p[2]) << 24;
      return static_cast<int32_t>(raw) / 2147483648.0f;
    }
    default:
      return static_cast<int32_t>(ReadU32(p)) / 2147483648.0f;
  }
}
}  // namespace

bool ParseWaveFormat(const std::vector<uint8_t>& record, TPcmFormat& format) {
  if (record.size() < 16) return false;
  const uint8_t* p = record.data();
  format.FormatTag = ReadU16(p);
  format.Channels = ReadU16(p + 2);
  format.SampleRate = static_cast<int32_t>(std::min<uint32_t>(ReadU32(p + 4), INT32_MAX));
  format.BitsPerSample = ReadU16(p + 14);
  // The extensible record names the real encoding in the first two bytes of its sub-format.
  if (format.FormatTag == 0xFFFE && record.size() >= 26 + 2) format.FormatTag = ReadU16(p + 24);
  return true;
}

std::shared_ptr<const TSampleBuffer> MakeSampleBuffer(const TPcmFormat& format, const uint8_t* data,
                                                      size_t bytes) {
  const bool isFloat = format.FormatTag == 3;
  if (format.FormatTag != 1 && !isFloat) return nullptr;
  if (format.Channels < 1 || format.Channels > 2) return nullptr;
  if (format.SampleRate < kMinFrequency || format.SampleRate > kMaxFrequency) return nullptr;
  const int32_t bits = format.BitsPerSample;
  if (isFloat ? bits != 32 : (bits != 8 && bits != 16 && bits != 24 && bits != 32)) return nullptr;

  const size_t frameBytes = static_cast<size_t>(format.Channels) * (bits / 8);
  const size_t frames = data == nullptr ? 0 : bytes / frameBytes;
  if (frames == 0) return nullptr;

  auto buffer = std::make_shared<TSampleBuffer>();
  buffer->SampleRate = format.SampleRate;
  buffer->Channels = format.Channels;
  buffer->Samples.resize(frames * format.Channels);
  const size_t sampleBytes = bits / 8;
  for (size_t i = 0; i < buffer->Samples.size(); ++i) {
    buffer->Samples[i] = DecodeSample(data + i * sampleBytes, bits, isFloat);
  }
  return buffer;
}

TMixer::TMixer(int32_t sampleRate)
    : sampleRate_(std::clamp(sampleRate, 8000, 192000)), scratch_(2 * kAdvanceChunkFrames) {}

TMixer::~TMixer() = default;

TMixer::TVoice* TMixer::Voice(TVoiceId id) {
  if (id < 0 || id >= static_cast<TVoiceId>(voices_.size()) || !voices_[id].InUse) return nullptr;
  return &voices_[id];
}

const TMixer::TVoice* TMixer::Voice(TVoiceId id) const {
  return const_cast<TMixer*>(this)->Voice(id);
}

void TMixer::UpdateGains(TVoice& voice) {
  const float gain = CentibelsToGain(voice.Volume);
  voice.GainLeft = gain * (voice.Pan > 0 ? CentibelsToGain(-voice.Pan) : 1.0f);
  voice.GainRight = gain * (voice.Pan < 0 ? CentibelsToGain(voice.Pan) : 1.0f);
}

TVoiceId TMixer::CreateVoice(std::shared_ptr<const TSampleBuffer> samples) {
  if (!samples || samples->Frames() == 0) return kNoVoice;
  std::lock_guard lock(voiceLock_);
  TVoiceId id;
  if (!freeVoices_.empty()) {
    id = freeVoices_.back();
    freeVoices_.pop_back();
  } else {
    id = static_cast<TVoiceId>(voices_.size());
    voices_.emplace_back();
  }
  TVoice& voice = voices_[id];
  voice = TVoice{};
  voice.Samples = std::move(samples);
  voice.InUse = true;
  return id;
}

TVoiceId TMixer::DuplicateVoice(TVoiceId original) {
  std::shared_ptr<const TSampleBuffer> samples;
  int32_t frequency, volume, pan;
  {
    std::lock_guard lock(voiceLock_);
    const TVoice* source = Voice(original);
    if (source == nullptr) return kNoVoice;
    samples = source->Samples;
    frequency = source->Frequency;
    volume = source->Volume;
    pan = source->Pan;
  }
  const TVoiceId copy = CreateVoice(std::move(samples));
  std::lock_guard lock(voiceLock_);
  if (TVoice* voice = Voice(copy)) {
    voice->Frequency = frequency;
    voice->Volume = volume;
    voice->Pan = pan;
    UpdateGains(*voice);
  }
  return copy;
}

void TMixer::DestroyVoice(TVoiceId id) {
  std::shared_ptr<const TSampleBuffer> released;  // freed after the lock, never on the audio thread
  std::lock_guard lock(voiceLock_);
  if (TVoice* voice = Voice(id)) {
    released = std::move(voice->Samples);
    *voice = TVoice{};
    freeVoices_.push_back(id);
  }
}

void TMixer::StartVoice(TVoiceId id, int32_t frequency, int32_t volume, int32_t pan, bool looped) {
  std::lock_guard lock(voiceLock_);
  TVoice* voice = Voice(id);
  if (voice == nullptr) return;
  voice->Position = 0.0;
  if (frequency == 0 || (frequency >= kMinFrequency && frequency <= kMaxFrequency)) {
    voice->Frequency = frequency;
  }
  if (volume >= kMinVolume && volume <= 0) voice->Volume = volume;
  if (pan >= -10000 && pan <= 10000) voice->Pan = pan;
  UpdateGains(*voice);
  voice->Looped = looped;
  voice->Playing = true;
}

void TMixer::StopVoice(TVoiceId id) {
  std::lock_guard lock(voiceLock_);
  if (TVoice* voice = Voice(id)) voice->Playing = false;
}

void TMixer::SetVoiceFrequency(TVoiceId id, int32_t frequency) {
  if (frequency != 0 && (frequency < kMinFrequency || frequency > kMaxFrequency)) return;
  std::lock_guard lock(voiceLock_);
  if (TVoice* voice = Voice(id)) voice->Frequency = frequency;
}

void TMixer::SetVoiceVolume(TVoiceId id, int32_t volume) {
  if (volume < kMinVolume || volume > 0) return;
  std::lock_guard lock(voiceLock_);
  if (TVoice* voice = Voice(id)) {
    voice->Volume = volume;
    UpdateGains(*voice);
  }
}

void TMixer::SetVoicePan(TVoiceId id, int32_t pan) {
  if (pan < -10000 || pan > 10000) return;
  std::lock_guard lock(voiceLock_);
  if (TVoice* voice = Voice(id)) {
    voice->Pan = pan;
    UpdateGains(*voice);
  }
}

bool TMixer::VoicePlaying(TVoiceId id) const {
  std::lock_guard lock(voiceLock_);
  const TVoice* voice = Voice(id);
  return voice != nullptr && voice->Playing;
}

double TMixer::VoicePosition(TVoiceId id) const {
  std::lock_guard lock(voiceLock_);
  const TVoice* voice = Voice(id);
  return voice != nullptr ? voice->Position : 0.0;
}

int32_t TMixer::VoiceVolume(TVoiceId id) const {
  std::lock_guard lock(voiceLock_);
  const TVoice* voice = Voice(id);
  return voice != nullptr ? voice->Volume : kMinVolume;
}

int32_t TMixer::VoiceCount() const {
  std::lock_guard lock(voiceLock_);
  return static_cast<int32_t>(voices_.size() - freeVoices_.size());
}

void TMixer::MixVoice(TVoice& voice, float* stereo, int frames) {
  const TSampleBuffer& buffer = *voice.Samples;
  const float* samples = buffer.Samples.data();
  const int64_t length = buffer.Frames();
  const int32_t rate = voice.Frequency != 0 ? voice.Frequency : buffer.SampleRate;
  const double step = static_cast<double>(rate) / sampleRate_;
  const bool stereoSource = buffer.Channels == 2;
  double position = voice.Position;

  for (int i = 0; i < frames; ++i) {
    if (position >= static_cast<double>(length)) {
      if (!voice.Looped) {
        voice.Playing = false;
        break;
      }
      position = std::fmod(position, static_cast<double>(length));
    }
    const int64_t index = static_cast<int64_t>(position);
    const float fraction = static_cast<float>(position - static_cast<double>(index));
    // The sample after the last is the first again when looping, else the last held.
    const int64_t next = index + 1 < length ? index + 1 : (voice.Looped ? 0 : index);
    float left, right;
    if (stereoSource) {
      left = samples[2 * index] + (samples[2 * next] - samples[2 * index]) * fraction;
      right = samples[2 * index + 1] + (samples[2 * next + 1] - samples[2 * index + 1]) * fraction;
    } else {
      left = right = samples[index] + (samples[next] - samples[index]) * fraction;
    }
    stereo[2 * i] += left * voice.GainLeft;
    stereo[2 * i + 1] += right * voice.GainRight;
    position += step;
  }
  if (voice.Playing && !voice.Looped && position >= static_cast<double>(length)) {
    voice.Playing = false;
  }
  voice.Position = position;
}

void TMixer::Render(float* interleavedStereo, int frames) {
  if (frames <= 0) return;
  std::fill(interleavedStereo, interleavedStereo + 2 * frames, 0.0f);
  {
    std::lock_guard lock(voiceLock_);
    for (TVoice& voice : voices_) {
      if (voice.InUse && voice.Playing) MixVoice(voice, interleavedStereo, frames);
    }
  }
  {
    std::lock_guard lock(sourceLock_);
    for (TMixerSource* source : sources_) source->MixInto(interleavedStereo, frames, sampleRate_);
  }
  for (int i = 0; i < 2 * frames; ++i) interleavedStereo[i] = SoftLimit(interleavedStereo[i]);
}

void TMixer::Advance(int32_t milliseconds) {
  if (milliseconds <= 0) return;
  advancedMilliseconds_ += milliseconds;
  const int64_t target = advancedMilliseconds_ * sampleRate_ / 1000;
  int64_t remaining = target - advancedFrames_;
  advancedFrames_ = target;
  while (remaining > 0) {
    const int chunk = static_cast<int>(std::min<int64_t>(remaining, kAdvanceChunkFrames));
    Render(scratch_.data(), chunk);
    if (capturing_)
      captured_.insert(captured_.end(), scratch_.begin(), scratch_.begin() + 2 * chunk);
    remaining -= chunk;
  }
}

void TMixer::CaptureOutput(bool enabled) {
  capturing_ = enabled;
}

std::vector<float> TMixer::TakeCapturedOutput() {
  std::vector<float> taken;
  taken.swap(captured_);
  return taken;
}

void TMixer::AddSource(TMixerSource* source) {
  std::lock_guard lock(sourceLock_);
  if (std::find(sources_.begin(), sources_.end(), source) == sources_.end()) {
    sources_.push_back(source);
  }
}

void TMixer::RemoveSource(TMixerSource* source) {
  std::lock_guard lock(sourceLock_);
  sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}
