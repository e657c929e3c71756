// Forwarded exports on the real voxgate.dll: the engine receives the host's call unchanged.
#include <gtest/gtest.h>

#include "front_under_test.h"
#include "stack_probe.h"

namespace {

using win_test::FrontUnderTest;

uint32_t direct_bytes_removed(const FixtureEntry& e) { return e.stdcall ? 4 * e.arg_count : 0; }

TEST(Forwarding, EveryForwardedExportReachesTheEngineUnchanged) {
  FrontUnderTest front;
  ASSERT_TRUE(front.loaded()) << "error " << front.load_error();
  FixtureState* state = front.engine_state();
  ASSERT_NE(state, nullptr);
  for (int32_t slot = 0; slot < 12; ++slot) {
    const FixtureEntry& e = kFixtureEntries[slot];
    if (slot == 9) continue;  // spcSynSpeak is the front's own
    const void* forwarded = front.entry(e.name);
    ASSERT_NE(forwarded, nullptr) << e.name;
    uint32_t args[FIXTURE_MAX_ARGS];
    for (uint32_t i = 0; i < FIXTURE_MAX_ARGS; ++i)
      args[i] = 0xA0000000u + 0x1111u * (slot + 1) + i;

    uint32_t result = 0;
    const uint32_t calls_before = state->last_call.calls;
    const uint32_t removed = probe_call(forwarded, args, e.arg_count, &result);

    EXPECT_EQ(state->last_call.calls, calls_before + 1) << e.name;
    EXPECT_EQ(state->last_call.slot, slot) << e.name << " reached another entry point";
    EXPECT_EQ(state->last_call.arg_count, e.arg_count) << e.name;
    for (uint32_t i = 0; i < e.arg_count; ++i)
      EXPECT_EQ(state->last_call.args[i], args[i]) << e.name << " argument " << i;
    EXPECT_EQ(result, fixture_result(slot, args, e.arg_count)) << e.name << " result";
    EXPECT_EQ(removed, direct_bytes_removed(e))
        << e.name << ": stack moved as no direct call of the engine would";
    EXPECT_EQ(state->last_call.return_address, static_cast<const void*>(probe_return_site))
        << e.name << ": the engine did not see the host's return address";

    // The same call made directly on the engine, for comparison.
    uint32_t direct_result = 0;
    const void* engine_fn = reinterpret_cast<const void*>(GetProcAddress(front.engine(), e.name));
    EXPECT_EQ(probe_call(engine_fn, args, e.arg_count, &direct_result), removed) << e.name;
    EXPECT_EQ(direct_result, result) << e.name;
  }
}

TEST(Forwarding, ForwardedExportsLeaveTheSpeakStateAlone) {
  FrontUnderTest front;
  ASSERT_TRUE(front.loaded());
  front.setboost(1.0f);
  front.set_script({{1, 2, 3}});
  front.speak(win_test::host_a);
  win_test::reset_host();
  uint32_t args[7] = {};
  for (const char* name : {"spcSynFlush", "SynSpeak", "spcSynSpeakEx"}) {
    uint32_t count = 0;
    for (const FixtureEntry& e : kFixtureEntries)
      if (std::string(e.name) == name) count = e.arg_count;
    probe_call(front.entry(name), args, count, nullptr);
  }
  EXPECT_TRUE(win_test::g_deliveries.empty()) << "a forwarded export delivered audio";
  front.set_script({{4, 5}});
  front.speak(win_test::host_b);
  EXPECT_EQ(win_test::delivered(1), (std::vector<int16_t>{4, 5}));
}

}  // namespace
