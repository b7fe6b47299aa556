// Messages of the record readers and their language tables.
#include <gtest/gtest.h>

#include "records/messages.h"
#include "tests/unit/records_support.h"

namespace {

using records_test::Messages;

TEST(RecordsMessages, TablesHoldTheirLinesAndMessagesGoToTheSink) {
  EXPECT_EQ(lignelangue("MOLVANEENG", 1), "English");
  EXPECT_EQ(lignelangue("MOLVANEFR", 2), "france.ico");
  EXPECT_EQ(lignelangue("MOLVANEFR", 254), "Ce fichier contient %s parties");
  EXPECT_EQ(lignelangue("molvaneeng", 487), "");
  EXPECT_EQ(lignelangue("MOLVANEENG", 488), "");
  EXPECT_EQ(lignelangue("MOLVANEENG", 0), "");
  EXPECT_EQ(lignelangue("NOSUCHTABLE", 4), "");
  EXPECT_EQ(textelangue(283), "Impossible move, transformed in pass!");
  EXPECT_EQ(textelangue(100), "");
  {
    Messages m;
    EXPECT_EQ(affichemessage3(textelangue(253), "x.go", "12"), RESULTATOK);
    EXPECT_EQ(affichemessage2(textelangue(263), "ignored"), RESULTATOK);
    EXPECT_EQ(affichemessage2("%s and %s", "a"), RESULTATOK);
    EXPECT_EQ(m.texte(), "Corrupted file : x.go at the line 12 ! | Error! | a and %s");
  }
  // A placeholder inside a filled value is text, not a placeholder.
  {
    Messages m;
    affichemessage3(textelangue(253), "a%tb.go", "7");
    affichemessage3("%t then %s", "s%t", "t%s");
    EXPECT_EQ(m.texte(), "Corrupted file : a%tb.go at the line 7 ! | t%s then s%t");
  }
  // Without a sink the message is dropped and still answered.
  EXPECT_EQ(affichemessage("lost"), RESULTATOK);
}

}  // namespace
