#include "tours/tours_settings.h"

#include <cstdlib>

namespace aerotrace {

std::string builtInToursUrl() { return AEROTRACE_TOURS_URL; }

std::string toursUrl() {
  const char* env = std::getenv("AEROTRACE_TOURS");
  if (env && *env) return env;
  return builtInToursUrl();
}

}  // namespace aerotrace
