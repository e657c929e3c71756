// The demo host's command line: what it accepts and, for everything else, the message that says
// which argument is wrong.
#include "host_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

TEST(HostOptions, AcceptsEveryOptionAndKeepsDefaultsForTheRest) {
  demo::HostOptions o;
  std::string error;
  ASSERT_TRUE(demo::parse_host_options({"--in", "a.wav", "--out", "b.wav"}, o, error)) << error;
  EXPECT_EQ(o.input, "a.wav");
  EXPECT_EQ(o.output, "b.wav");
  EXPECT_EQ(o.speed_percent, 100u);
  EXPECT_EQ(o.volume_percent, 100u);
  EXPECT_FALSE(o.use_setters);
  EXPECT_EQ(o.front_dir, "");

  ASSERT_TRUE(demo::parse_host_options({"--speed", "10", "--volume", "1000", "--setters", "--front",
                                        "C:\\x", "--out", "o.wav", "--in", "i.wav"},
                                       o, error))
      << error;
  EXPECT_EQ(o.speed_percent, 10u);
  EXPECT_EQ(o.volume_percent, 1000u);
  EXPECT_TRUE(o.use_setters);
  EXPECT_EQ(o.front_dir, "C:\\x");
}

TEST(HostOptions, HelpNeedsNothingElse) {
  demo::HostOptions o;
  std::string error;
  ASSERT_TRUE(demo::parse_host_options({"--help"}, o, error));
  EXPECT_TRUE(o.help);
}

struct BadArgs {
  Args args;
  const char* message;
};

TEST(HostOptions, RefusesBadArgumentsSayingWhich) {
  const Args io = {"--in", "a.wav", "--out", "b.wav"};
  auto with = [&](Args extra) {
    Args all = io;
    all.insert(all.end(), extra.begin(), extra.end());
    return all;
  };
  const BadArgs cases[] = {
      {with({"--speed", "fast"}),
       "--speed must be a whole number of percent from 10 to 1000, got 'fast'"},
      {with({"--speed", "1.5"}), "got '1.5'"},
      {with({"--speed", "-100"}), "got '-100'"},
      {with({"--speed", "9"}), "got '9'"},
      {with({"--speed", "1001"}), "got '1001'"},
      {with({"--speed", ""}), "got ''"},
      {with({"--speed", "99999999999"}), "got '99999999999'"},
      {with({"--volume", "0"}),
       "--volume must be a whole number of percent from 1 to 1000, got '0'"},
      {with({"--volume", "50%"}), "got '50%'"},
      {with({"--speed"}), "--speed needs a value"},
      {with({"--loud"}), "unknown argument '--loud'"},
      {{"--out", "b.wav"}, "--in FILE.wav is required"},
      {{"--in", "a.wav"}, "--out FILE.wav is required"},
  };
  for (const BadArgs& bad : cases) {
    demo::HostOptions o;
    std::string error;
    EXPECT_FALSE(demo::parse_host_options(bad.args, o, error)) << bad.message;
    EXPECT_NE(error.find(bad.message), std::string::npos)
        << "got \"" << error << "\", expected it to contain \"" << bad.message << "\"";
  }
}

}  // namespace
