#pragma once

// What the report window shows of a leg that has just ended, as texts ready
// to show.

#include <cstdint>
#include <string>
#include <vector>

#include "core/records.h"

namespace aerotrace {

struct TfHState;

struct LegReportRow {
  std::string descr;
  std::string result;
  std::string points;  // the checkpoint's nominal points, passed or not
  bool operator==(const LegReportRow&) const = default;
};

struct LegReport {
  std::int32_t total = 0;  // the scored total, which the upload stores
  std::string points;      // lblTot
  bool block = false;      // "Not enough points. Try again." covers the upload button
  std::string fuelStart, fuelUsed, fuelEnd;  // whole litres
  std::string date;                          // departure, "dd-mm-yyyy"
  std::string plane;
  std::string dep, arr;
  std::string depTime, arrTime;    // "HH:MM", UTC
  std::string gMin, gMax, gTouch;  // "0.000"
  std::vector<LegReportRow> rows;  // one per checkpoint, in list order
  bool operator==(const LegReport&) const = default;
};

inline constexpr const char* kNotEnoughPoints = "Not enough points. Try again.";

// The report of the state after the leg end's scoring and fuel figures;
// `total` is the scored total, `leg` the leg flown.
LegReport makeLegReport(const TfHState& s, const oLeg& leg, std::int32_t total);

}  // namespace aerotrace
