#pragma once

// A child process for the Windows tests: its output goes to files, it gets
// no other handle of ours (Wine's processes must not hold the test runner's
// pipes), and it dies with the test process whatever happens to it.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_text.h"

namespace aerotrace::testing {

// A fresh folder under the system's temporary folder, removed when it goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts program with args; its standard output and error go to the
  // given files. False when it cannot be started.
  bool start(const std::string& program, const std::vector<std::string>& args,
             const std::filesystem::path& out, const std::filesystem::path& err);
  bool running() const;
  // Waits up to timeoutMs for the end; the exit code, or -1 if it still runs.
  int wait(unsigned timeoutMs);
  // Ends it at once (exit code 99) unless it has ended.
  int kill();

 private:
  HANDLE process_ = nullptr;
  HANDLE job_ = nullptr;
};

// Quoted for a Windows command line: the child's argv gets the text back.
std::string quoteArgument(const std::string& arg);

void writeFile(const std::filesystem::path& path, const std::string& text);

}  // namespace aerotrace::testing
