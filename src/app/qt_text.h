#pragma once

#include <QString>
#include <string>

#include "core/text.h"

namespace aerotrace {

// The core's byte texts as the windows show them.
inline QString toQt(const std::string& bytes) { return QString::fromStdString(toUtf8(bytes)); }

}  // namespace aerotrace
