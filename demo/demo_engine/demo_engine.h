// The demo engine: a stand-in for a real speech engine's interface library, built as
// "voxgate2.dll" so that voxgate.dll loads it. It synthesises nothing; the host hands it the PCM
// to "speak" (16-bit mono at 22050 Hz) and it plays that to the audio callback in engine-sized
// chunks, as an engine delivers its synthesis.
//
//   int32_t __stdcall spcSynSpeak(const int16_t* samples, uint32_t count, uint32_t chunk_samples,
//                                 uint32_t, uint32_t, voxgate_audio_callback callback)
//
// copies each chunk of chunk_samples samples (0 means kDemoChunkSamples; at most
// kDemoMaxChunkSamples) into a buffer of its own and calls callback(buffer, bytes) with it: the
// callback may change the samples in place, as the front does, without touching the host's PCM.
// The callback's answer is ignored. Returns 0, or 1 when samples is null or callback is null.
//
// The other eleven names (SynSpeak, spcSynCntl, spcSynFlush, spcSynInit, spcSynPause,
// spcSynReadStat, spcSynRepeat, spcSynResume, spcSynSelDev, spcSynSpeakEx, spcSynTerm) are cdecl,
// take no notice of their arguments and return 0: a cdecl callee leaves the arguments to the
// caller, so they are harmless whatever a host pushes.
#pragma once

#include <cstdint>

constexpr uint32_t kDemoChunkSamples = 1024;
constexpr uint32_t kDemoMaxChunkSamples = 4096;
