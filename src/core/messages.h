#pragma once

// Every text the program speaks or shows in the simulator on its own; the
// checkpoint messages come from the tours database.

namespace aerotrace::msg {

inline constexpr const char* kTitle = "Aerotrace";  // the bar's title label at rest
inline constexpr const char* kReadyToGo = "Ready to go.";
inline constexpr const char* kMinutesSuffix = " min.";
inline constexpr const char* kNoLastMessage = "No last message";
inline constexpr const char* kTourPrefix = "Tour ";
inline constexpr const char* kLegInfix = ", leg ";
inline constexpr const char* kFuelAdded = "Fuel added, end of leg.";
inline constexpr const char* kSlewNotAllowed = "Slew mode not allowed.";
inline constexpr const char* kSimRateTooHigh = "Simulation speed to high, setting to minimums";

// Seconds a text stays in the simulator's window.
inline constexpr int kCheckpointSeconds = 30;
inline constexpr int kReadySeconds = 10;
inline constexpr int kRepeatSeconds = 30;

}  // namespace aerotrace::msg
