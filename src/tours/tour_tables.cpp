#include "tours/tour_tables.h"

namespace aerotrace {
namespace {

using db::ColumnType;
constexpr ColumnType kInt = ColumnType::Integer;
constexpr ColumnType kSmall = ColumnType::SmallInt;
constexpr ColumnType kFloat = ColumnType::Float;
constexpr ColumnType kString = ColumnType::String;
constexpr ColumnType kText = ColumnType::Text;
constexpr ColumnType kBool = ColumnType::Boolean;

}  // namespace

const db::TableLayout& toursTable() {
  static const db::TableLayout layout{"tours",
                                      "tour_id",
                                      {{"tour_id", kInt},
                                       {"tour_name", kText},
                                       {"tour_description", kText},
                                       {"is_so", kSmall},
                                       {"is_active", kSmall},
                                       {"Link", kText}}};
  return layout;
}

const db::TableLayout& legsTable() {
  static const db::TableLayout layout{"legs",
                                      "id",
                                      {{"id", kInt},
                                       {"Descr", kString, 255},
                                       {"Route", kString, 255},
                                       {"Dep", kString, 4},
                                       {"Dest", kString, 4},
                                       {"MaxFuel", kInt},
                                       {"Points", kInt},
                                       {"MaxPoints", kInt},
                                       {"tour_id", kInt}}};
  return layout;
}

const db::TableLayout& legDetTable() {
  static const db::TableLayout layout{"LegDet",
                                      "id",
                                      {{"id", kInt},
                                       {"Descr", kString, 255},
                                       {"Speak", kString, 255},
                                       {"Latitude", kFloat},
                                       {"Longtitude", kFloat},
                                       {"MinAlt", kInt},
                                       {"MaxAlt", kInt},
                                       {"MinSpd", kInt},
                                       {"MaxSpd", kInt},
                                       {"MinHdg", kInt},
                                       {"MaxHdg", kInt},
                                       {"CheckPoint", kBool},
                                       {"MustLand", kBool},
                                       {"Points", kInt},
                                       {"LegId", kInt},
                                       {"cRange", kFloat},
                                       {"WaitMin", kInt}}};
  return layout;
}

const db::TableLayout& legRdyTable() {
  static const db::TableLayout layout{"LegRdy",
                                      "LegRdyid",
                                      {{"LegRdyid", kInt},
                                       {"legId", kInt},
                                       {"Descr", kString, 255},
                                       {"Points", kInt},
                                       {"MaxPoints", kInt},
                                       {"VID", kString, 6},
                                       {"try", kInt},
                                       {"Dep", kString, 4},
                                       {"Dest", kString, 4},
                                       {"Route", kString, 255},
                                       {"DepDate", ColumnType::Date},
                                       {"DepTime", ColumnType::Time},
                                       {"ArrTime", ColumnType::Time},
                                       {"LegAccepted", kBool},
                                       {"AirPlane", kString, 8},
                                       {"GForceMax", kString, 7},
                                       {"GForceMin", kString, 7},
                                       {"GForceLnd", kString, 7},
                                       {"FuelUsed", kString, 12},
                                       {"tour_id", kInt}}};
  return layout;
}

const db::TableLayout& legRdyDetTable() {
  static const db::TableLayout layout{"LegRdyDet",
                                      "id",
                                      {{"id", kInt},
                                       {"LegRdyId", kInt},
                                       {"LegRdyCompl", kBool},
                                       {"CheckPoint", kInt},
                                       {"Points", kInt}}};
  return layout;
}

const db::TableLayout& legRdyFrTable() {
  static const db::TableLayout layout{"LegRdyFR",
                                      "Id",
                                      {{"Id", kInt},
                                       {"LegRdyId", kInt},
                                       {"Latitude", kFloat},
                                       {"Longitude", kFloat},
                                       {"Alt", kInt},
                                       {"GrndSp", kInt},
                                       {"Hdg", kInt},
                                       {"Com1", kString, 7},
                                       {"Nav1", kString, 7},
                                       {"Nav2", kString, 7},
                                       {"QNH", kString, 5}}};
  return layout;
}

}  // namespace aerotrace
