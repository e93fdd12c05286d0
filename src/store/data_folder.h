#pragma once

#include <filesystem>

namespace aerotrace {

// The pilot's data folder: $AEROTRACE_DATA_DIR when set; otherwise
// %LOCALAPPDATA%\Aerotrace on Windows and $XDG_DATA_HOME/aerotrace (else
// ~/.local/share/aerotrace) elsewhere. Empty when none can be told.
std::filesystem::path pilotDataFolder();

}  // namespace aerotrace
