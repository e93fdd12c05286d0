#pragma once

// The request block of the simulator interface: record layouts, the space
// limit and the answer scan. Plain memory work, no system calls; the client
// and the stand-in simulator both build on it.

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace aerotrace::ipc {

inline constexpr std::uint32_t kBlockSize = 0x8000;
// Queued bytes plus the terminator never pass this; the rest stays unused.
inline constexpr std::uint32_t kSpaceLimit = 0x7F00;

inline constexpr std::uint32_t kReadId = 1;
inline constexpr std::uint32_t kWriteId = 2;
inline constexpr std::uint32_t kReadHeader = 16;   // id, offset, size, destination
inline constexpr std::uint32_t kWriteHeader = 12;  // id, offset, size
inline constexpr std::uint32_t kTerminator = 4;

inline constexpr const char* kServerClass = "UIPCMAIN";
inline constexpr const char* kServerClassFs98 = "FS98MAIN";
inline constexpr const char* kMessageName = "FsasmLib:IPC";
inline constexpr std::uint32_t kSendTimeoutMs = 2000;
inline constexpr int kSendAttempts = 10;
inline constexpr std::uint32_t kRetryWaitMs = 100;

inline std::uint32_t load32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;  // the block is little-endian, as are the machines we run on
}
inline void store32(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

// The records queued into one block, with our own note of each record's
// destination: a 64-bit address does not fit the block's 32-bit field, and a
// server must not be able to steer our copies anyway.
class RequestQueue {
 public:
  // Starts an empty queue on the given block (kBlockSize bytes), or none.
  void attach(std::uint8_t* block);
  std::uint8_t* block() const { return block_; }

  bool empty() const { return used_ == 0; }
  std::uint32_t used() const { return used_; }

  // False when the record would not fit under the space limit.
  bool addRead(std::uint32_t offset, std::uint32_t size, void* destination);
  bool addWrite(std::uint32_t offset, std::uint32_t size, const void* source);

  // Writes the terminator after the last record, for sending.
  void terminate();

  // Checks the answered block against what was queued and, only if every
  // record still has its identifier (low byte) and byte count, copies each
  // read's data to its destination. Reads only the queued bytes.
  bool copyAnswer() const;

  // Forgets the records; the next batch starts at the block's start.
  void clear();

 private:
  struct Entry {
    std::uint32_t position;  // of the header in the block
    std::uint32_t id;
    std::uint32_t size;
    void* destination;
  };
  bool fits(std::uint32_t header, std::uint32_t size) const;

  std::uint8_t* block_ = nullptr;
  std::uint32_t used_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace aerotrace::ipc
