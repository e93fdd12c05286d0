// Reading and confirming the VID, and the settings file that keeps it.
#include "tours/pilot_identity.h"

#include <gtest/gtest.h>

#include <string>

#include "tours/memory_vid_store.h"

namespace aerotrace {
namespace {

TEST(IntegerReadingTest, FormsAndLimits) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  for (const Case c : {Case{"123456", 123456},
                       Case{"  42", 42},
                       Case{"+7", 7},
                       Case{"-12345", -12345},
                       Case{"$1F", 31},
                       Case{"x10", 16},
                       Case{"X10", 16},
                       Case{"0x1f", 31},
                       Case{"0XFF", 255},
                       Case{"-$10", -16},
                       Case{"2147483647", 2147483647},
                       Case{"-2147483648", -2147483647 - 1},
                       Case{"2147483648", 0},
                       Case{"$80000000", 0},
                       Case{"12 ", 0},
                       Case{"1 2", 0},
                       Case{"", 0},
                       Case{"   ", 0},
                       Case{"-", 0},
                       Case{"$", 0},
                       Case{"0x", 0},
                       Case{"12a", 0},
                       Case{"\t12", 0},
                       Case{"1e3", 0},
                       Case{"000000", 0}}) {
    EXPECT_EQ(readInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(VidConfirmationTest, AcceptsSixCharactersReadingAboveZero) {
  struct Case {
    const char* typed;
    bool accepted;
  };
  for (const Case c :
       {Case{"123456", true}, Case{" 12345", true}, Case{"$1A2B3", true}, Case{"0x1234", true},
        Case{"+12345", true}, Case{"12345", false}, Case{"1234567", false}, Case{"000000", false},
        Case{"-12345", false}, Case{"ABCDEF", false}, Case{"12345 ", false}, Case{"", false}}) {
    MemoryVidStore store;
    std::string vid = "before";
    const VidConfirmation r = confirmVid(c.typed, vid, store);
    EXPECT_EQ(r.accepted, c.accepted) << '"' << c.typed << '"';
    if (c.accepted) {
      EXPECT_EQ(vid, c.typed);  // exactly as typed, blanks included
      EXPECT_EQ(store.read(), c.typed);
      EXPECT_EQ(r.message, "");
    } else {
      EXPECT_EQ(vid, "before");
      EXPECT_EQ(store.writes(), 0);
      EXPECT_EQ(r.message, "INCORRECT");
    }
  }
}

TEST(VidConfirmationTest, AStoreThatCannotBeWrittenKeepsTheVidForThisRun) {
  MemoryVidStore store;
  store.setFailing(true);
  std::string vid;
  EXPECT_TRUE(confirmVid("654321", vid, store).accepted);
  EXPECT_EQ(vid, "654321");
  EXPECT_EQ(store.read(), "");
}

TEST(StoredVidTest, OnlyItsLengthCounts) {
  MemoryVidStore letters("ABCDEF");
  EXPECT_TRUE(vidComplete(readStoredVid(letters)));  // six letters: used as they are
  MemoryVidStore five("12345");
  EXPECT_FALSE(vidComplete(readStoredVid(five)));
  MemoryVidStore none;
  EXPECT_EQ(readStoredVid(none), "");
  EXPECT_FALSE(vidComplete(""));
}

}  // namespace
}  // namespace aerotrace
