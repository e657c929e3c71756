// Starts a console program, waits for it and returns its exit code and everything it wrote to
// stdout and stderr (interleaved in one pipe), so tests can check a program's report and exit code.
#pragma once

#include <cstdint>
#include <string>

namespace vox_test {

struct ProgramRun {
  bool started = false;
  uint32_t exit_code = 0;
  std::string output;  // line ends as LF alone
};

// `command_line` is the whole command line, program first (quote paths with spaces).
ProgramRun run_program(const std::string& command_line);

}  // namespace vox_test
