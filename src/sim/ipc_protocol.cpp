#include "sim/ipc_protocol.h"

#include <cstring>

namespace aerotrace::ipc {

void RequestQueue::attach(std::uint8_t* block) {
  block_ = block;
  clear();
}

void RequestQueue::clear() {
  used_ = 0;
  entries_.clear();
}

bool RequestQueue::fits(std::uint32_t header, std::uint32_t size) const {
  // 64-bit sum: a size near 2^32 must not wrap into "fits".
  const std::uint64_t total = std::uint64_t{used_} + header + size + kTerminator;
  return block_ != nullptr && total <= kSpaceLimit;
}

bool RequestQueue::addRead(std::uint32_t offset, std::uint32_t size, void* destination) {
  if (!fits(kReadHeader, size)) return false;
  std::uint8_t* p = block_ + used_;
  store32(p, kReadId);
  store32(p + 4, offset);
  store32(p + 8, size);
  // The server leaves this field alone; what it holds is only a token.
  store32(p + 12, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(destination)));
  std::memset(p + kReadHeader, 0, size);
  entries_.push_back({used_, kReadId, size, destination});
  used_ += kReadHeader + size;
  return true;
}

bool RequestQueue::addWrite(std::uint32_t offset, std::uint32_t size, const void* source) {
  if (!fits(kWriteHeader, size)) return false;
  std::uint8_t* p = block_ + used_;
  store32(p, kWriteId);
  store32(p + 4, offset);
  store32(p + 8, size);
  if (size > 0) std::memcpy(p + kWriteHeader, source, size);
  entries_.push_back({used_, kWriteId, size, nullptr});
  used_ += kWriteHeader + size;
  return true;
}

void RequestQueue::terminate() {
  if (block_ != nullptr) store32(block_ + used_, 0);
}

bool RequestQueue::copyAnswer() const {
  if (block_ == nullptr) return false;
  for (const Entry& e : entries_) {
    const std::uint8_t* p = block_ + e.position;
    if ((load32(p) & 0xFF) != e.id || load32(p + 8) != e.size) return false;
  }
  for (const Entry& e : entries_) {
    if (e.id == kReadId && e.destination != nullptr && e.size > 0) {
      std::memcpy(e.destination, block_ + e.position + kReadHeader, e.size);
    }
  }
  return true;
}

}  // namespace aerotrace::ipc
