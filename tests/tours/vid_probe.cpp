// Prints the VID that a fresh process reads from the registry store under
// the key given (the program's own key without one).
#include <cstdio>

#include "tours/registry_vid_store.h"

int main(int argc, char** argv) {
  aerotrace::RegistryVidStore store =
      argc > 1 ? aerotrace::RegistryVidStore(argv[1]) : aerotrace::RegistryVidStore();
  const std::string vid = store.read();
  std::fwrite(vid.data(), 1, vid.size(), stdout);
  return 0;
}
