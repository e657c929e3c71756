#include "run_program.h"

#include <windows.h>

#include <vector>

namespace vox_test {

ProgramRun run_program(const std::string& command_line) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return run;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  PROCESS_INFORMATION process = {};
  std::vector<char> line(command_line.begin(), command_line.end());
  line.push_back('\0');
  run.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &process) != FALSE;
  CloseHandle(write_end);  // the child holds the only write end now: EOF when it exits
  if (run.started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0)
      run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.exit_code = code;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(read_end);
  // Text-mode stdout writes CR LF; tests match lines ending in LF.
  std::string lines;
  for (char c : run.output)
    if (c != '\r') lines += c;
  run.output = lines;
  return run;
}

}  // namespace vox_test
