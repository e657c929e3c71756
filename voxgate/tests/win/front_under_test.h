// The real voxgate.dll loaded from one of the deployment folders the build lays out
// (bin/deploy/<variant>), with its test engine, typed entry points and a recording host.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "test_engine.h"
#include "voxgate.h"

namespace win_test {

std::string deploy_dir(const std::string& variant);  // with a trailing backslash

class FrontUnderTest {
 public:
  explicit FrontUnderTest(const std::string& variant = "full");
  ~FrontUnderTest();
  FrontUnderTest(const FrontUnderTest&) = delete;
  FrontUnderTest& operator=(const FrontUnderTest&) = delete;

  bool loaded() const { return front_ != nullptr; }
  DWORD load_error() const { return load_error_; }
  HMODULE front() const { return front_; }
  HMODULE engine() const { return engine_; }
  FixtureState* engine_state() const { return state_; }
  const void* entry(const char* name) const;

  int32_t speak(voxgate_audio_callback host, uint32_t a1 = 11, uint32_t a2 = 22, uint32_t a3 = 33,
                uint32_t a4 = 44, uint32_t a5 = 55) const;
  void setboost(float speed) const;
  void setvolume(float volume) const;

  // Makes the engine play these chunks (copied) at the next spcSynSpeak.
  void set_script(const std::vector<std::vector<int16_t>>& chunks);
  void set_script_bytes(const std::vector<std::pair<std::vector<int16_t>, int32_t>>& chunks);

 private:
  HMODULE front_ = nullptr;
  HMODULE engine_ = nullptr;
  DWORD load_error_ = 0;
  FixtureState* state_ = nullptr;
  std::vector<std::vector<int16_t>> chunk_data_;
  std::vector<FixtureChunk> script_;
};

// Deliveries to the recording hosts, in order.
struct Delivery {
  int host;
  std::vector<int16_t> samples;
  int32_t bytes;
};
extern std::vector<Delivery> g_deliveries;
extern int32_t g_host_result;
extern void (*g_inside_host)();
int32_t __stdcall host_a(int16_t* samples, int32_t bytes);
int32_t __stdcall host_b(int16_t* samples, int32_t bytes);
std::vector<int16_t> delivered(int host = -1);
void reset_host();

std::vector<std::vector<int16_t>> split(const std::vector<int16_t>& samples, std::size_t chunk);

// The per-user settings key the front reads.
void delete_settings_key();
void set_setting_dword(const char* name, DWORD value);
void set_setting_binary(const char* name, const std::vector<uint8_t>& data);

}  // namespace win_test
