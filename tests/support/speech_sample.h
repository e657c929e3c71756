// Real speech for the tests: espeak-ng output made at build time (22050 Hz, 16-bit, mono).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vox_test {

// The samples of the build's speech fixture; empty when the file cannot be read or is not
// 22050 Hz 16-bit mono PCM.
std::vector<int16_t> load_speech_sample();

// Samples of a 22050 Hz 16-bit mono PCM WAV file named by its Unix path (reached through Z:
// under Wine); empty when it cannot be read or has another format.
std::vector<int16_t> read_pcm_wav(const std::string& unix_path);

}  // namespace vox_test
