#pragma once

#include <memory>
#include <string>

namespace aerotrace {

// Where the pilot's VID is kept between runs: the registry on Windows, a
// settings file on Linux, memory in tests.
class VidStore {
 public:
  virtual ~VidStore() = default;
  // The stored VID; empty when nothing is stored or the store cannot be read.
  virtual std::string read() = 0;
  // Stores the VID as given; false when it could not be written.
  virtual bool write(const std::string& vid) = 0;
};

// The store of this platform.
std::unique_ptr<VidStore> createSystemVidStore();

}  // namespace aerotrace
