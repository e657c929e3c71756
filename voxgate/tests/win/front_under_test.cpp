#include "front_under_test.h"

#include "pe_tables.h"

namespace win_test {

std::vector<Delivery> g_deliveries;
int32_t g_host_result = 7;
void (*g_inside_host)() = nullptr;

namespace {
int32_t record(int host, int16_t* samples, int32_t bytes) {
  g_deliveries.push_back(Delivery{host, std::vector<int16_t>(samples, samples + bytes / 2), bytes});
  if (g_inside_host != nullptr) g_inside_host();
  return g_host_result;
}
}  // namespace

int32_t __stdcall host_a(int16_t* samples, int32_t bytes) { return record(0, samples, bytes); }
int32_t __stdcall host_b(int16_t* samples, int32_t bytes) { return record(1, samples, bytes); }

std::vector<int16_t> delivered(int host) {
  std::vector<int16_t> all;
  for (const Delivery& d : g_deliveries)
    if (host < 0 || d.host == host) all.insert(all.end(), d.samples.begin(), d.samples.end());
  return all;
}

void reset_host() {
  g_deliveries.clear();
  g_host_result = 7;
  g_inside_host = nullptr;
}

std::string deploy_dir(const std::string& variant) {
  return vox_test::exe_directory() + "deploy\\" + variant + "\\";
}

FrontUnderTest::FrontUnderTest(const std::string& variant) {
  reset_host();
  const std::string dir = deploy_dir(variant);
  front_ = LoadLibraryA((dir + "voxgate.dll").c_str());
  load_error_ = GetLastError();
  if (front_ == nullptr) return;
  engine_ = GetModuleHandleA((dir + "voxgate2.dll").c_str());
  if (engine_ != nullptr)
    if (auto fn = reinterpret_cast<FixtureStateFn>(GetProcAddress(engine_, "fixture_state")))
      state_ = fn();
  if (state_ != nullptr) {
    state_->script = nullptr;
    state_->script_length = 0;
    state_->speak_result = 0x5EED;
  }
}

FrontUnderTest::~FrontUnderTest() {
  if (front_ != nullptr) FreeLibrary(front_);
}

const void* FrontUnderTest::entry(const char* name) const {
  return reinterpret_cast<const void*>(GetProcAddress(front_, name));
}

int32_t FrontUnderTest::speak(voxgate_audio_callback host, uint32_t a1, uint32_t a2, uint32_t a3,
                              uint32_t a4, uint32_t a5) const {
  auto fn = reinterpret_cast<voxgate_speak_fn>(entry("spcSynSpeak"));
  return fn(a1, a2, a3, a4, a5, host);
}

void FrontUnderTest::setboost(float speed) const {
  reinterpret_cast<voxgate_set_factor_fn>(entry("setboost"))(speed);
}

void FrontUnderTest::setvolume(float volume) const {
  reinterpret_cast<voxgate_set_factor_fn>(entry("setvolume"))(volume);
}

void FrontUnderTest::set_script(const std::vector<std::vector<int16_t>>& chunks) {
  std::vector<std::pair<std::vector<int16_t>, int32_t>> with_bytes;
  for (const auto& c : chunks) with_bytes.emplace_back(c, static_cast<int32_t>(c.size() * 2));
  set_script_bytes(with_bytes);
}

void FrontUnderTest::set_script_bytes(
    const std::vector<std::pair<std::vector<int16_t>, int32_t>>& chunks) {
  chunk_data_.clear();
  script_.clear();
  for (const auto& c : chunks) chunk_data_.push_back(c.first);
  for (std::size_t i = 0; i < chunks.size(); ++i)
    script_.push_back(FixtureChunk{
        chunks[i].second == 0 && chunk_data_[i].empty() ? nullptr : chunk_data_[i].data(),
        chunks[i].second});
  state_->script = script_.data();
  state_->script_length = static_cast<int32_t>(script_.size());
}

std::vector<std::vector<int16_t>> split(const std::vector<int16_t>& samples, std::size_t chunk) {
  std::vector<std::vector<int16_t>> chunks;
  for (std::size_t at = 0; at < samples.size(); at += chunk)
    chunks.emplace_back(samples.begin() + at,
                        samples.begin() + std::min(samples.size(), at + chunk));
  return chunks;
}

void delete_settings_key() { RegDeleteKeyA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY); }

static void set_setting(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, VOXGATE_SETTINGS_KEY, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                  nullptr);
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void set_setting_dword(const char* name, DWORD value) {
  set_setting(name, REG_DWORD, &value, sizeof value);
}

void set_setting_binary(const char* name, const std::vector<uint8_t>& data) {
  set_setting(name, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

}  // namespace win_test
