#pragma once

#include <cstdint>

namespace aerotrace {

// How one press of the upload button ended.
struct UploadOutcome {
  bool ok = false;
  // When ok: the key of the stored result row, its try count and the number
  // of track rows stored under it.
  std::int32_t legRdyId = 0;
  std::int32_t tryCount = 0;
  std::int32_t trackRows = 0;
  // An upload of a stored leg other than by the report's upload button.
  bool queued = false;
};

}  // namespace aerotrace
