// The table objects over both drivers: the same cases on an SQLite file and
// on the MariaDB server of the test fixture.
#include "db/table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/connection.h"
#include "db/db_error.h"
#include "test_databases.h"
#include "tours/tour_tables.h"

namespace aerotrace::testing {
namespace {

using db::Condition;
using db::Table;

class TableTest : public ::testing::TestWithParam<Backend> {
 protected:
  TableTest()
      : database_(makeTestDatabase(GetParam(), currentTestName())),
        con_(db::Connection::fromUrl(database_.adminUrl)) {
    con_.connect();
  }

  // Rows straight through the driver, to keep the setup apart from the
  // operations under test.
  void run(const std::string& sql, const std::vector<db::Value>& params = {}) {
    con_.driver().run(sql, params);
  }

  std::vector<std::int32_t> keysWhere(Table& t, Condition c, const char* key) {
    t.setFilterSQL(std::move(c));
    t.open();
    std::vector<std::int32_t> keys;
    for (; !t.eof(); t.next()) keys.push_back(t.asInteger(key));
    t.close();
    return keys;
  }

  TestDatabase database_;
  db::Connection con_;
};

TEST_P(TableTest, ConditionValuesWithQuotesOrSqlSelectOnlyTheMatchingRows) {
  using V = std::vector<std::int32_t>;
  run("INSERT INTO legs (id, Dep, tour_id) VALUES (1, 'O''X', 1), (2, 'OX', 1), (3, 'LOWI', 2), "
      "(4, 'O''X''', 2)");
  Table legs(con_, legsTable());
  EXPECT_EQ(keysWhere(legs, Condition::equals("Dep", std::string("O'X")), "id"), V{1});
  EXPECT_EQ(keysWhere(legs, Condition::equals("Dep", std::string("' OR '1'='1")), "id"), V{});
  EXPECT_EQ(keysWhere(legs, Condition::equals("Dep", std::string("O'X' OR 1=1 --")), "id"), V{});

  run("INSERT INTO LegRdy (LegRdyid, legId, VID) VALUES (1, 7, '0 or 1'), (2, 7, '123456'), "
      "(3, 8, '0'), (4, 8, '0 or 1')");
  Table results(con_, legRdyTable());
  EXPECT_EQ(keysWhere(results, Condition::equals("VID", std::string("0 or 1")), "LegRdyid"),
            (V{1, 4}));
  EXPECT_EQ(keysWhere(results, Condition::equals("VID", std::string("123456")), "LegRdyid"), V{2});
  EXPECT_EQ(
      keysWhere(results,
                Condition::equals("legId", std::int64_t{8}).andEquals("VID", std::string("0 or 1")),
                "LegRdyid"),
      V{4});
}

TEST_P(TableTest, ColumnNamesOutsideTheTableAreRefused) {
  Table legs(con_, legsTable());
  EXPECT_THROW(legs.setFilterSQL(Condition::equals("Dep = 'x' OR 1", std::int64_t{1})),
               db::DbError);
  EXPECT_THROW(legs.setOrderFields({"tour_id; DROP TABLE legs"}), db::DbError);
  // Names match without regard to case, as on the servers.
  legs.setFilterSQL(Condition::equals("dep", std::string("LOWI")));
  legs.setOrderFields({"TOUR_ID"});
  legs.open();
  EXPECT_TRUE(legs.eof());
}

TEST_P(TableTest, NullColumnsReadAsZeroEmptyOrFalse) {
  run("INSERT INTO LegDet (id, LegId) VALUES (5, 9)");
  run("INSERT INTO LegRdy (LegRdyid) VALUES (6)");
  Table cps(con_, legDetTable());
  cps.setFilterSQL(Condition::equals("LegId", std::int64_t{9}));
  cps.open();
  ASSERT_EQ(cps.recordCount(), 1);
  EXPECT_TRUE(cps.isNull("WaitMin"));
  EXPECT_EQ(cps.asInteger("WaitMin"), 0);
  EXPECT_EQ(cps.asString("Descr"), "");
  EXPECT_EQ(cps.asFloat("cRange"), 0.0);
  EXPECT_FALSE(cps.asBoolean("MustLand"));

  Table results(con_, legRdyTable());
  results.open();
  ASSERT_EQ(results.recordCount(), 1);
  EXPECT_EQ(results.asDateTime("DepDate"), 0.0);
  EXPECT_EQ(results.asDateTime("ArrTime"), 0.0);
  EXPECT_FALSE(results.asBoolean("LegAccepted"));  // the server's default
}

TEST_P(TableTest, TextsAreCutToTheirColumnOnWrite) {
  Table results(con_, legRdyTable());
  results.open();
  results.append();
  results.setString("AirPlane", "Boeing 737-800");
  results.setString("VID", "1234567");
  results.setString("FuelUsed", "1234567890.123");
  results.post();
  Table tours(con_, toursTable());
  tours.open();
  tours.append();
  const std::string longName(400, 'n');
  tours.setString("tour_name", longName);  // text: no limit
  tours.post();

  results.open();
  ASSERT_EQ(results.recordCount(), 1);
  EXPECT_EQ(results.asString("AirPlane"), "Boeing 7");
  EXPECT_EQ(results.asString("VID"), "123456");
  EXPECT_EQ(results.asString("FuelUsed"), "1234567890.1");
  tours.open();
  EXPECT_EQ(tours.asString("tour_name"), longName);
}

TEST_P(TableTest, AppendedRowsGetTheServersKey) {
  Table results(con_, legRdyTable());
  results.setFilterSQL(Condition::equals("VID", std::string("123456")));
  results.open();
  std::vector<std::int32_t> keys;
  for (int i = 0; i < 2; ++i) {
    results.append();
    results.setInteger("legId", 3);
    results.setString("VID", "123456");
    results.setInteger("try", 1);
    results.post();
    keys.push_back(results.asInteger("LegRdyid"));
  }
  EXPECT_GT(keys[0], 0);
  EXPECT_NE(keys[0], keys[1]);
  EXPECT_EQ(results.recordCount(), 2);
  EXPECT_EQ(keysWhere(results, Condition::equals("VID", std::string("123456")), "LegRdyid"), keys);
}

TEST_P(TableTest, EditWritesOnlyTheChangedRow) {
  run("INSERT INTO LegRdy (LegRdyid, legId, VID, `try`, Points) VALUES (1, 3, 'AAAAAA', 1, 10), "
      "(2, 3, 'BBBBBB', 1, 20)");
  Table results(con_, legRdyTable());
  results.setFilterSQL(Condition::equals("VID", std::string("AAAAAA")));
  results.open();
  results.first();
  results.edit();
  results.setInteger("try", results.asInteger("try") + 1);
  results.post();
  EXPECT_EQ(results.asInteger("try"), 2);

  results.setFilterSQL({});
  results.open();
  ASSERT_EQ(results.recordCount(), 2);
  for (; !results.eof(); results.next()) {
    const bool edited = results.asString("VID") == "AAAAAA";
    EXPECT_EQ(results.asInteger("try"), edited ? 2 : 1);
    EXPECT_EQ(results.asInteger("Points"), edited ? 10 : 20);
  }
}

TEST_P(TableTest, DeletingUntilPastTheLastRowEmptiesOnlyTheSelection) {
  run("INSERT INTO LegRdyFR (LegRdyId, Alt) VALUES (7, 1), (7, 2), (7, 3), (8, 4)");
  Table track(con_, legRdyFrTable());
  track.setFilterSQL(Condition::equals("LegRdyId", std::int64_t{7}));
  track.open();
  track.first();
  int deleted = 0;
  while (!track.eof()) {
    track.remove();
    ++deleted;
  }
  EXPECT_EQ(deleted, 3);
  EXPECT_EQ(track.recordCount(), 0);

  // A result without track rows: past the last row at once, nothing deleted.
  track.setFilterSQL(Condition::equals("LegRdyId", std::int64_t{9}));
  track.open();
  EXPECT_TRUE(track.eof());
  EXPECT_THROW(track.remove(), db::DbError);

  track.setFilterSQL({});
  track.open();
  ASSERT_EQ(track.recordCount(), 1);
  EXPECT_EQ(track.asInteger("Alt"), 4);
}

TEST_P(TableTest, CursorCountsRowsInTheRequestedOrder) {
  run("INSERT INTO legs (id, Dep, tour_id) VALUES (1, 'LOWI', 3), (2, 'LOWI', 1), (3, 'LOWI', 2), "
      "(4, 'EDDM', 1)");
  Table legs(con_, legsTable());
  legs.setFilterSQL(Condition::equals("Dep", std::string("LOWI")));
  legs.setOrderFields({"tour_id"});
  legs.open();
  EXPECT_EQ(legs.recordCount(), 3);
  std::vector<std::int32_t> tours, recNos;
  for (legs.first(); !legs.eof(); legs.next()) {
    tours.push_back(legs.asInteger("tour_id"));
    recNos.push_back(legs.recNo());
  }
  EXPECT_EQ(tours, (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(recNos, (std::vector<std::int32_t>{1, 2, 3}));
  legs.next();  // stays past the last row
  EXPECT_TRUE(legs.eof());
  EXPECT_EQ(legs.asInteger("tour_id"), 0);
  legs.first();
  EXPECT_EQ(legs.asInteger("tour_id"), 1);

  // A condition outlives close and disconnect; assigning one closes the table.
  legs.close();
  con_.disconnect();
  con_.connect();
  legs.open();
  EXPECT_EQ(legs.recordCount(), 3);
  legs.setFilterSQL(Condition::equals("Dep", std::string("EDDM")));
  EXPECT_FALSE(legs.isOpen());
}

TEST_P(TableTest, DatesAndTimesKeepTheirPart) {
  const DateTime departure = encode({2026, 3, 14, 9, 26, 53, 0});
  const DateTime arrival = encode({2026, 3, 14, 11, 5, 0, 0});
  Table results(con_, legRdyTable());
  results.open();
  results.append();
  results.setDateTime("DepDate", departure);
  results.setDateTime("DepTime", departure);
  results.setDateTime("ArrTime", arrival);
  results.post();
  results.open();
  EXPECT_EQ(toMilliseconds(results.asDateTime("DepDate")),
            toMilliseconds(encode({2026, 3, 14, 0, 0, 0, 0})));
  EXPECT_EQ(toMilliseconds(results.asDateTime("DepTime")),
            toMilliseconds(encode({1899, 12, 30, 9, 26, 53, 0})));
  EXPECT_EQ(toMilliseconds(results.asDateTime("ArrTime")),
            toMilliseconds(encode({1899, 12, 30, 11, 5, 0, 0})));
}

TEST_P(TableTest, EightBitTextsComeBackByteForByte) {
  const std::string name = "Z\xfcrich \xe0 Gen\xe8ve \x80";
  Table tours(con_, toursTable());
  tours.open();
  tours.append();
  tours.setString("tour_name", name);
  tours.post();
  tours.open();
  EXPECT_EQ(tours.asString("tour_name"), name);
}

TEST_P(TableTest, WritesOutsideAppendOrEditAreRefused) {
  Table tours(con_, toursTable());
  EXPECT_THROW(tours.asString("tour_name"), db::DbError);  // closed
  tours.open();
  EXPECT_THROW(tours.setString("tour_name", "x"), db::DbError);
  EXPECT_THROW(tours.edit(), db::DbError);  // no current row
}

TEST_P(TableTest, RolledBackStatementsLeaveNoRows) {
  db::Driver& driver = con_.driver();
  driver.begin();
  driver.run("INSERT INTO tours (tour_name) VALUES (?), (?)",
             {std::string("first"), std::string("second")});
  driver.rollback();
  driver.begin();
  driver.run("INSERT INTO tours (tour_name) VALUES (?)", {std::string("kept")});
  driver.commit();
  Table tours(con_, toursTable());
  tours.open();
  ASSERT_EQ(tours.recordCount(), 1);
  EXPECT_EQ(tours.asString("tour_name"), "kept");
}

TEST_P(TableTest, ARejectedStatementRaises) {
  Table legs(con_, legsTable());
  legs.open();
  legs.append();
  legs.setInteger("id", 1);
  legs.post();
  legs.append();
  legs.setInteger("id", 1);  // the same key again
  EXPECT_THROW(legs.post(), db::DbError);
}

TEST_P(TableTest, SetOperationsDeleteTheSelectionAndInsertManyRowsAsData) {
  run("INSERT INTO LegRdyFR (LegRdyId, Alt) VALUES (7, 1), (7, 2), (8, 3)");
  Table track(con_, legRdyFrTable());
  track.setFilterSQL(Condition::equals("LegRdyId", std::int64_t{7}));
  track.open();
  EXPECT_EQ(track.removeFiltered(), 2);
  EXPECT_TRUE(track.eof());
  EXPECT_EQ(track.removeFiltered(), 0);

  track.insertRows(
      {"LegRdyId", "Alt", "QNH", "Com1"},
      {{std::int64_t{9}, std::int64_t{100}, std::string("1013.25"), std::string("')--")},
       {std::int64_t{9}, std::int64_t{200}, std::string("998"), std::string("")}});
  track.insertRows({"LegRdyId"}, {});  // nothing to send
  EXPECT_THROW(track.insertRows({"LegRdyId", "Alt"}, {{std::int64_t{9}}}), db::DbError);
  EXPECT_THROW(track.insertRows({"Nope"}, {{std::int64_t{9}}}), db::DbError);

  track.setFilterSQL(Condition::equals("LegRdyId", std::int64_t{9}));
  track.setOrderFields({"Alt"});
  track.open();
  ASSERT_EQ(track.recordCount(), 2);
  EXPECT_EQ(track.asInteger("Alt"), 100);
  EXPECT_EQ(track.asString("QNH"), "1013.");  // cut to the column's five characters
  EXPECT_EQ(track.asString("Com1"), "')--");
  track.next();
  EXPECT_EQ(track.asString("QNH"), "998");
  EXPECT_EQ(keysWhere(track, Condition::equals("LegRdyId", std::int64_t{8}), "Alt"),
            std::vector<std::int32_t>{3});
}

INSTANTIATE_TEST_SUITE_P(Drivers, TableTest, ::testing::ValuesIn(testBackends()), backendParamName);

}  // namespace
}  // namespace aerotrace::testing
