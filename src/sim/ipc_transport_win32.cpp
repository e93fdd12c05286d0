// The IPC transport on Windows: the server is a top-level window found by
// its class, the message is registered by name, the shared block is a named
// mapping backed by the paging file, and the atom tells the server its name.

#include <windows.h>

#include "sim/ipc_transport.h"

namespace aerotrace {
namespace {

class Win32IpcTransport final : public IpcTransport {
 public:
  ServerWindow findWindow(const std::string& className) override {
    return reinterpret_cast<ServerWindow>(
        FindWindowExA(nullptr, nullptr, className.c_str(), nullptr));
  }

  std::uint32_t registerMessage(const std::string& name) override {
    return RegisterWindowMessageA(name.c_str());
  }

  std::uint32_t currentProcessId() override { return GetCurrentProcessId(); }

  std::uint16_t addAtom(const std::string& name) override { return GlobalAddAtomA(name.c_str()); }

  void deleteAtom(std::uint16_t atom) override { GlobalDeleteAtom(atom); }

  CreatedMapping createMapping(const std::string& name, std::uint32_t size) override {
    HANDLE h =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name.c_str());
    // Asked at once: the next system call may change it.
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    return {reinterpret_cast<MappingHandle>(h), h != nullptr && existed};
  }

  std::uint8_t* mapView(MappingHandle mapping, std::uint32_t) override {
    return static_cast<std::uint8_t*>(
        MapViewOfFile(reinterpret_cast<HANDLE>(mapping), FILE_MAP_WRITE, 0, 0, 0));
  }

  void unmapView(std::uint8_t* view, std::uint32_t) override { UnmapViewOfFile(view); }

  void closeMapping(MappingHandle mapping) override {
    CloseHandle(reinterpret_cast<HANDLE>(mapping));
  }

  bool sendMessage(ServerWindow window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam, std::uint32_t timeoutMs, std::uintptr_t& answer) override {
    DWORD_PTR result = 0;
    SetLastError(0);
    const LRESULT sent = SendMessageTimeoutA(reinterpret_cast<HWND>(window), message, wParam,
                                             lParam, SMTO_BLOCK, timeoutMs, &result);
    if (sent == 0) {
      // Kept here: the client asks only after its wait, and nothing else in
      // between may decide what it sees.
      error_ = GetLastError();
      return false;
    }
    answer = result;
    return true;
  }

  std::uint32_t lastError() override { return error_; }

  void sleepMilliseconds(std::uint32_t ms) override { Sleep(ms); }

 private:
  std::uint32_t error_ = 0;
};

}  // namespace

std::unique_ptr<IpcTransport> createSystemIpcTransport() {
  return std::make_unique<Win32IpcTransport>();
}

}  // namespace aerotrace
