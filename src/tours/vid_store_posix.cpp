#include "tours/file_vid_store.h"
#include "tours/vid_store.h"

namespace aerotrace {

std::unique_ptr<VidStore> createSystemVidStore() {
  return std::make_unique<FileVidStore>(FileVidStore::defaultPath());
}

}  // namespace aerotrace
