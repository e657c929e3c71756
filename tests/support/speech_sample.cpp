#include "speech_sample.h"

#include "wav_file.h"

namespace vox_test {

std::vector<int16_t> read_pcm_wav(const std::string& unix_path) {
#ifdef _WIN32
  // Under Wine the build tree is reached through drive Z:, the Unix root.
  std::string path = unix_path;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
#else
  const std::string& path = unix_path;
#endif
  std::vector<int16_t> samples;
  std::string error;
  if (!voxwav::read_wav_file(path, samples, error)) samples.clear();
  return samples;
}

std::vector<int16_t> load_speech_sample() { return read_pcm_wav(VOX_SPEECH_WAV); }

}  // namespace vox_test
