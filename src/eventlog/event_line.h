#pragma once

// One line of the event log: a JSON object whose first fields are `t`
// (seconds since the start of the flight) and `event`, the others in the
// order they are added.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace aerotrace {

using EventJson = nlohmann::ordered_json;

// Texts are bytes. A text that is valid UTF-8 stays as it is; any other is
// taken as Latin-1, so every text becomes valid JSON.
std::string jsonText(std::string_view bytes);

EventJson eventObject(double t, std::string_view event);

// Compact, no newline.
std::string eventLine(const EventJson& event);

}  // namespace aerotrace
