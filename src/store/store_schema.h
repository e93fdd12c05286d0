#pragma once

#include <cstdint>
#include <string>

#include "db/driver.h"

namespace aerotrace {

// Marks the file as this program's store ("AERT").
inline constexpr std::int64_t kStoreApplicationId = 0x41455254;

// Makes the tables of an empty file, or checks that a file holds this
// program's store of a version it knows. Throws StoreUnusable, naming the
// file as `shownName`; a refused file is not touched.
void prepareStoreSchema(db::Driver& db, std::int32_t version, const std::string& shownName);

}  // namespace aerotrace
