#include "child_process.h"

#include <fstream>
#include <sstream>

namespace aerotrace::testing {

TempFolder::TempFolder() {
  char base[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof base, base);
  const std::filesystem::path root =
      n > 0 ? std::filesystem::path(base) : std::filesystem::temp_directory_path();
  for (unsigned i = 0;; ++i) {
    path_ = root / ("aerotrace-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(GetTickCount()) + "-" + std::to_string(i));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string quoteArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: double them there.
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

namespace {

HANDLE openForChild(const std::filesystem::path& path, bool write) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  return CreateFileA(path.string().c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, write ? CREATE_ALWAYS : OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool ChildProcess::start(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& out, const std::filesystem::path& err) {
  std::string commandLine = quoteArgument(program);
  for (const std::string& a : args) commandLine += " " + quoteArgument(a);

  HANDLE in = openForChild("NUL", false);
  HANDLE o = openForChild(out, true);
  HANDLE e = openForChild(err, true);
  std::vector<HANDLE> inherited{in, o, e};

  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> attributes(size);
  auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
  InitializeProcThreadAttributeList(list, 1, 0, &size);
  // Only these three: nothing else of ours reaches the child.
  UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited.data(),
                            inherited.size() * sizeof(HANDLE), nullptr, nullptr);

  STARTUPINFOEXA si{};
  si.StartupInfo.cb = sizeof si;
  si.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  si.StartupInfo.hStdInput = in;
  si.StartupInfo.hStdOutput = o;
  si.StartupInfo.hStdError = e;
  si.lpAttributeList = list;
  PROCESS_INFORMATION pi{};
  const BOOL ok = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                 EXTENDED_STARTUPINFO_PRESENT | CREATE_SUSPENDED, nullptr, nullptr,
                                 &si.StartupInfo, &pi);
  DeleteProcThreadAttributeList(list);
  for (HANDLE h : inherited) CloseHandle(h);
  if (!ok) return false;

  // The child goes when our job handle goes, even if this process crashes.
  job_ = CreateJobObjectA(nullptr, nullptr);
  if (job_ != nullptr) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    AssignProcessToJobObject(job_, pi.hProcess);
  }
  ResumeThread(pi.hThread);
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  return true;
}

bool ChildProcess::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

int ChildProcess::wait(unsigned timeoutMs) {
  if (process_ == nullptr) return -1;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

int ChildProcess::kill() {
  if (running()) TerminateProcess(process_, 99);
  return wait(5000);
}

ChildProcess::~ChildProcess() {
  kill();
  if (process_ != nullptr) CloseHandle(process_);
  if (job_ != nullptr) CloseHandle(job_);
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace aerotrace::testing
