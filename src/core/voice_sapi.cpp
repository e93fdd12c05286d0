// The Windows voice: the speech automation object "SAPI.SpVoice", asked to
// speak asynchronously (flag 1), so a new text queues behind one still being
// spoken. Every failure is swallowed.
#include <initguid.h>
#include <windows.h>
#include <sapi.h>

#include <string>

#include "core/voice.h"

namespace aerotrace {
namespace {

std::wstring widen(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) {
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  }
  return wide;
}

class SapiVoice final : public Voice {
 public:
  SapiVoice(ISpVoice* voice, bool uninitialize) : voice_(voice), uninitialize_(uninitialize) {}
  ~SapiVoice() override {
    voice_->Release();
    if (uninitialize_) CoUninitialize();
  }
  SapiVoice(const SapiVoice&) = delete;
  SapiVoice& operator=(const SapiVoice&) = delete;

  void speak(const std::string& text) override {
    const std::wstring wide = widen(text);
    (void)voice_->Speak(wide.c_str(), 1 /* SPF_ASYNC */, nullptr);
  }

 private:
  ISpVoice* voice_;
  bool uninitialize_;
};

}  // namespace

std::unique_ptr<Voice> createSystemVoice() {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // S_FALSE: already initialised on this thread, still to be balanced.
  const bool uninitialize = SUCCEEDED(init);
  CLSID clsid;
  ISpVoice* voice = nullptr;
  if (SUCCEEDED(CLSIDFromProgID(L"SAPI.SpVoice", &clsid)) &&
      SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                 reinterpret_cast<void**>(&voice))) &&
      voice != nullptr) {
    return std::make_unique<SapiVoice>(voice, uninitialize);
  }
  if (uninitialize) CoUninitialize();
  return nullptr;
}

}  // namespace aerotrace
