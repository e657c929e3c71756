// The tempo and volume stage: the body of spcSynSpeak.
//
// A speak request stores the host's audio callback, sets the speed factor on the time-scale
// stream and calls the engine's spcSynSpeak with chunk_callback() in the host callback's place.
// For each chunk the engine produces, the chunk callback scales the samples in place by the volume
// factor, writes them into the stream and then drains it: it reads at most 11025 samples at a time
// into one static transfer buffer and hands each read that yields samples to the host's callback,
// until a read yields none. After the engine returns, the stream is flushed and drained the same
// way. So every delivery is even and at most 22050 bytes, and no audio of a request is held back
// or reaches the next request. The stage allocates nothing.
//
// One request at a time: the stream, the stored callback and the transfer buffer are process-wide.
#pragma once

#include <cstdint>

#include "voxgate.h"

struct sonicStreamStruct;

namespace voxgate {

using AudioCallback = voxgate_audio_callback;
using EngineSpeak = voxgate_speak_fn;

constexpr int32_t kTransferSamples = 11025;  // half a second at 22050 Hz
constexpr float kMinSpeed = 0.1f;
constexpr float kMaxSpeed = 10.0f;

// The stream and the engine's spcSynSpeak (null when the engine lacks it), set at process attach.
void bind_stage(sonicStreamStruct* stream, EngineSpeak engine_speak) noexcept;
void unbind_stage() noexcept;

// spcSynSpeak: returns the engine's result, or VOXGATE_SPEAK_UNAVAILABLE without touching the
// stream when there is no engine spcSynSpeak to call.
int32_t speak(uint32_t a1, uint32_t a2, uint32_t a3, uint32_t a4, uint32_t a5,
              AudioCallback app_callback) noexcept;

// The callback handed to the engine. Returns the host callback's result for the last delivery,
// or 1 when nothing was delivered (or there is no host callback to deliver to).
int32_t VOXGATE_STDCALL chunk_callback(int16_t* samples, int32_t bytes) noexcept;

// The speed factor as the stream gets it: NaN, infinities and values <= 0 become 1.0, the rest
// is clamped to [kMinSpeed, kMaxSpeed]. Outside that range the stream crashes, corrupts memory or
// grows without bound.
float safe_speed(float speed) noexcept;

}  // namespace voxgate
