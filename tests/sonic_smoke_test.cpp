// The time-scale library as linked into this build: a 22050 Hz mono stream at speed 2.0 halves a
// signal's length.
#include <gtest/gtest.h>
#include <sonic.h>

#include <cmath>
#include <vector>

TEST(SonicSmoke, SpeedTwoHalvesTheLength) {
  constexpr int kRate = 22050;
  constexpr int kInput = kRate * 2;  // two seconds
  std::vector<short> signal(kInput);
  for (int i = 0; i < kInput; ++i) {
    // A voiced-like tone whose pitch drifts, so the stream has periods to find.
    const double t = static_cast<double>(i) / kRate;
    signal[i] =
        static_cast<short>(8000.0 * std::sin(2.0 * 3.14159265358979 * (140.0 + 20.0 * t) * t));
  }

  sonicStream stream = sonicCreateStream(kRate, 1);
  ASSERT_NE(stream, nullptr);
  sonicSetSpeed(stream, 2.0f);
  ASSERT_TRUE(sonicWriteShortToStream(stream, signal.data(), kInput));
  ASSERT_TRUE(sonicFlushStream(stream));
  std::vector<short> out(kInput);
  int total = 0;
  for (int n; (n = sonicReadShortFromStream(stream, out.data(), kInput)) > 0;) total += n;
  sonicDestroyStream(stream);

  EXPECT_NEAR(total, kInput / 2.0, kInput / 2.0 * 0.02) << "got " << total << " samples";
}
