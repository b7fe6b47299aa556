// Protocol layer: framing, ids, cleaning of lines, decoders and printer.
#include <cstring>

#include "support.h"

namespace {

using namespace nebra;
using namespace nebra_test;

class GtpTest : public ::testing::Test {
 protected:
  void SetUp() override { NewGame(19); }
};

TEST_F(GtpTest, SilentLinesGetNoReply) {
  for (const char* line : {"\n", "   \n", "# a comment\n", "   # indented comment\n", "17\n", "  -3  \n",
                           "\t\n", "\x01\x02\n", "12 # id and comment\n"})
    EXPECT_EQ(Gtp(line), "") << "line: " << line;
}

TEST_F(GtpTest, RepliesCarryTheIdAndTheText) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"name\n", "= Nebra\n\n"},
      {"17 name\n", "=17 Nebra\n\n"},
      {"17 name # trailing comment\n", "=17 Nebra\n\n"},
      {"0 version\n", "=0 0.1\n\n"},
      {"+5 protocol_version\n", "=5 2\n\n"},
      {"-4 name\n", "= Nebra\n\n"},  // a negative id is printed as none
      {"NAME\n", "? unknown command\n\n"},
      {"8 frobnicate\n", "?8 unknown command\n\n"},
      {"12abc\n", "?12 unknown command\n\n"},
      {"99999999999999999999 name\n", "? unknown command\n\n"},  // not an id: it is the word
      {"na\x01me\n", "= Nebra\n\n"},                               // control byte removed
      {"\tname\t\n", "= Nebra\n\n"},
      {"name\r\n", "= Nebra\n\n"},
      {"na#me\n", "? unknown command\n\n"},
      {"known_command\tplay\n", "= true\n\n"},
      {"known_command NAME\n", "= false\n\n"},
      {"known_command\n", "= false\n\n"},
      {"name", "= Nebra\n\n"},  // last line without a newline
  };
  for (const Case& c : cases) EXPECT_EQ(Gtp(c.in), c.out) << "input: " << c.in;
}

TEST_F(GtpTest, QuitEndsTheLoopAfterItsReply) {
  EXPECT_EQ(Gtp("3 quit\nname\n"), "=3 \n\n");
}

TEST_F(GtpTest, OverLongLineIsOneCommand) {
  std::string line = "known_command " + std::string(5000, 'x') + " name\n";
  EXPECT_EQ(Gtp(line), "= false\n\n");
  std::string junk(3000, 'a');
  EXPECT_EQ(Gtp(junk + "\nname\n"), "? unknown command\n\n= Nebra\n\n");
}

TEST_F(GtpTest, BinaryJunkGetsFailuresNotACrash) {
  std::string junk;
  for (int k = 0; k < 2000; ++k) junk.push_back(static_cast<char>((k * 37 + 11) % 256));
  std::string out = Gtp(junk + "\nname\n");
  EXPECT_NE(out.find("= Nebra\n\n"), std::string::npos);
  EXPECT_EQ(out.find("! panic"), std::string::npos);
}

TEST_F(GtpTest, ColourDecoderTakesFourWordsInAnyCase) {
  int c = 0;
  char b1[] = " B";
  EXPECT_EQ(gtp_decode_color(b1, &c), 2);
  EXPECT_EQ(c, GTP_BLACK);
  char b2[] = "Black rest";
  EXPECT_EQ(gtp_decode_color(b2, &c), 5);
  EXPECT_EQ(c, GTP_BLACK);
  char w1[] = "WHITE";
  EXPECT_EQ(gtp_decode_color(w1, &c), 5);
  EXPECT_EQ(c, GTP_WHITE);
  for (const char* bad : {"", "  ", "blacks", "red", "bl", "whiteboard"}) {
    char buf[32];
    std::strcpy(buf, bad);
    EXPECT_EQ(gtp_decode_color(buf, &c), 0) << bad;
  }
}

TEST_F(GtpTest, VertexDecoderSkipsIAndChecksTheRange) {
  struct Case {
    const char* in;
    int i, j;  // -9 for a failure
  } cases[] = {
      {"A1", 18, 0},   {"a19", 0, 0},    {"J5", 14, 8},   {"T19", 0, 18},  {"H1", 18, 7},
      {"D 4", 15, 3},  {"  q16", 3, 15}, {"I5", -9, -9},  {"U1", -9, -9},  {"A0", -9, -9},
      {"A20", -9, -9}, {"A-1", -9, -9},  {"4D", -9, -9},  {"", -9, -9},    {"A", -9, -9},
      {"A99999999999", -9, -9},          {"A-99999999999", -9, -9},        {"\xff" "1", -9, -9},
  };
  for (const Case& c : cases) {
    char buf[64];
    std::strcpy(buf, c.in);
    int i = -9, j = -9;
    int n = gtp_decode_coord(buf, &i, &j);
    if (c.i == -9) {
      EXPECT_EQ(n, 0) << c.in;
    } else {
      EXPECT_GT(n, 0) << c.in;
      EXPECT_EQ(i, c.i) << c.in;
      EXPECT_EQ(j, c.j) << c.in;
    }
  }
}

TEST_F(GtpTest, MoveDecoderTakesAVertexOrPass) {
  int c, i, j;
  char m1[] = "b PASS";
  EXPECT_EQ(gtp_decode_move(m1, &c, &i, &j), 6);
  EXPECT_EQ(i, -1);
  EXPECT_EQ(j, -1);
  char m2[] = "w c3";
  EXPECT_GT(gtp_decode_move(m2, &c, &i, &j), 0);
  EXPECT_EQ(c, GTP_WHITE);
  EXPECT_EQ(i, 16);
  EXPECT_EQ(j, 2);
  for (const char* bad : {"b", "b passe", "x c3", "w I3", "pass"}) {
    char buf[32];
    std::strcpy(buf, bad);
    EXPECT_EQ(gtp_decode_move(buf, &c, &i, &j), 0) << bad;
  }
}

// Captures everything the printers write.
std::string Printed(void (*f)()) {
  char* buf = nullptr;
  size_t len = 0;
  FILE* out = open_memstream(&buf, &len);
  gtp_output = out;
  f();
  gtp_output = nullptr;
  std::fclose(out);
  std::string s(buf, len);
  std::free(buf);
  return s;
}

TEST_F(GtpTest, VerticesArePrintedSortedFromTheTopRow) {
  EXPECT_EQ(Printed([] {
              int is_[] = {18, 0, 0, -1, 3, 25};
              int js_[] = {0, 18, 8, -1, 3, 0};
              gtp_print_vertices(6, is_, js_);
            }),
            "PASS J19 T19 D16 A1 ??");
  EXPECT_EQ(Printed([] { gtp_mprintf("%d %s %C %C %C %c %m %q", 7, "x", GTP_WHITE, GTP_BLACK, 0, 'z', 15, 3); }),
            "7 x white black empty z D4 \n\nUnknown format character 'q'\n");
}

// Mirrors the column: A becomes T on 19x19.
void MirrorColumn(int i, int j, int* ti, int* tj) {
  *ti = i;
  *tj = gtp_boardsize - 1 - j;
}

TEST_F(GtpTest, VertexHooksApplyToDecodedAndPrintedVertices) {
  gtp_set_vertex_transform_hooks(MirrorColumn, MirrorColumn);
  char buf[] = "C3";
  int i = -9, j = -9;
  EXPECT_GT(gtp_decode_coord(buf, &i, &j), 0);
  std::string printed = Printed([] {
    int is_[] = {-1, 16};
    int js_[] = {-1, 2};
    gtp_print_vertices(2, is_, js_);
  });
  gtp_set_vertex_transform_hooks(nullptr, nullptr);
  EXPECT_EQ(i, 16);
  EXPECT_EQ(j, 16);
  EXPECT_EQ(printed, "PASS R3");
  char again[] = "C3";
  EXPECT_GT(gtp_decode_coord(again, &i, &j), 0);
  EXPECT_EQ(j, 2);
}

TEST_F(GtpTest, SortMovesOrdersByRowThenColumn) {
  int is_[] = {3, 1, 3, 0};
  int js_[] = {2, 5, 1, 9};
  sort_moves(4, is_, js_);
  EXPECT_EQ((std::vector<int>(is_, is_ + 4)), (std::vector<int>{0, 1, 3, 3}));
  EXPECT_EQ((std::vector<int>(js_, js_ + 4)), (std::vector<int>{9, 5, 1, 2}));
}

}  // namespace
