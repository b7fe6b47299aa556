// The GTP fuzz tool's own reading of lines and its game model: a wrong
// expectation here would make the fuzz run report faults that are not there,
// or miss those that are. Also the reply reader it shares with the match tool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/fuzzgtp.h"

namespace {

using fuzzgtp::Dialecte;

struct CasLigne {
  Dialecte d;
  std::string brute;
  bool reponse;
  std::string id;
  std::string mot;
};

TEST(FuzzGtp, LinesAreReadAsEachProgramReadsThem) {
  const Dialecte v = Dialecte::vesmok, n = Dialecte::nebra;
  const std::vector<CasLigne> cas = {
      {v, "name\r", true, "", "name"},
      {v, "list\tcommands", true, "", "list"},
      {v, "5 protocol_version", true, "5", "protocol_version"},
      {v, "007 name", true, "7", "name"},
      {v, "00 name", true, "0", "name"},
      {v, "99999999999999999999 name", true, "99999999999999999999", "name"},
      {v, "  7 name", true, "7", "name"},
      {v, "=5 name", false, "", ""},
      {v, "?", false, "", ""},
      {v, "12", true, "12", ""},
      {v, "13 # only an id", true, "13", ""},
      {v, "# a comment", false, "", ""},
      {v, "na\x01me\x7f", true, "", "name"},
      {v, "-5 name", true, "", "-5"},
      {v, "12name", true, "", "12name"},
      {v, "\xff name", true, "", "\xff"},
      {v, "\x0b\x0c\r", false, "", ""},
      {n, "17 name # comment", true, "17", "name"},
      {n, "NAME", true, "", "NAME"},
      {n, "12", false, "", ""},
      {n, "-5 name", true, "", "name"},
      {n, "-0 name", true, "0", "name"},
      {n, "+3 name", true, "3", "name"},
      {n, "12name", true, "12", "name"},
      {n, "2147483647 name", true, "2147483647", "name"},
      {n, "2147483648 name", true, "", "2147483648"},
      {n, "-2147483648 name", true, "", "-2147483648"},
      {n, "na\x01me", true, "", "name"},
      {n, "\t name", true, "", "name"},
      {n, "#name", false, "", ""},
      {n, "=5 name", true, "", "=5"},
  };
  for (const CasLigne& c : cas) {
    const fuzzgtp::Lecture l = fuzzgtp::lit(c.d, c.brute);
    const std::string quoi = (c.d == v ? "vesmok \"" : "nebra \"") + fuzzgtp::echappe(c.brute) + "\"";
    EXPECT_EQ(l.reponse, c.reponse) << quoi;
    EXPECT_EQ(l.idtexte, c.id) << quoi;
    EXPECT_EQ(l.mot, c.mot) << quoi;
  }
}

TEST(FuzzGtp, MovesAreReadAsEachProgramReadsThem) {
  // Nebra reads "%6s" then " %c%d": a blank or a sign may sit inside the vertex.
  struct Cas {
    std::string texte;
    bool lu;
    int couleur, point;  // point on 19x19, index (number - 1) * 19 + column
  };
  const std::vector<Cas> nebra = {
      {"b D4", true, 1, 3 * 19 + 3},   {"B d 4", true, 1, 3 * 19 + 3}, {"white D+4", true, 2, 3 * 19 + 3},
      {"w J5", true, 2, 4 * 19 + 8},   {"black I5", false, 0, 0},       {"w D-4", false, 0, 0},
      {"b pass", true, 1, -1},         {"W PASS junk", true, 2, -1},    {"b passD4", false, 0, 0},
      {"bl D4", false, 0, 0},          {"b T20", false, 0, 0},          {"b D99999999999", false, 0, 0},
      {"blackD4", false, 0, 0},        {"b \xe9" "4", false, 0, 0},
  };
  for (const Cas& c : nebra) {
    int couleur = 0, point = -5;
    const bool lu = fuzzgtp::nebracoup(c.texte, 19, couleur, point);
    EXPECT_EQ(lu, c.lu) << c.texte;
    if (lu && c.lu) {
      EXPECT_EQ(couleur, c.couleur) << c.texte;
      EXPECT_EQ(point, c.point) << c.texte;
    }
  }
  // Vesmok: a whole word, a letter (never I) and a positive number on the board.
  struct CasVertex {
    std::string mot;
    bool lu;
    int point;
  };
  const std::vector<CasVertex> vesmok = {
      {"D4", true, 3 * 19 + 3}, {"d04", true, 3 * 19 + 3}, {"T19", true, 18 * 19 + 18}, {"pass", true, -1},
      {"I5", false, 0},         {"D0", false, 0},          {"D4x", false, 0},          {"T20", false, 0},
      {"D", false, 0},          {"D+4", false, 0},         {"4", false, 0},            {"Z1", false, 0},
  };
  for (const CasVertex& c : vesmok) {
    int point = -5;
    const bool lu = fuzzgtp::vesmokvertex(c.mot, 19, point);
    EXPECT_EQ(lu, c.lu) << c.mot;
    if (lu && c.lu) {
      EXPECT_EQ(point, c.point) << c.mot;
    }
  }
  EXPECT_EQ(fuzzgtp::vesmokcouleur("Black"), 1);
  EXPECT_EQ(fuzzgtp::vesmokcouleur("w"), 2);
  EXPECT_EQ(fuzzgtp::vesmokcouleur("blak"), 0);
}

// A model on a 5x5 board from rows of X O . (the top row is line 5).
fuzzgtp::Modele modele(Dialecte d, const std::vector<std::string>& rangs) {
  fuzzgtp::Modele m;
  m.d = d;
  m.efface(5);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) {
      const char c = rangs[static_cast<size_t>(i)][static_cast<size_t>(j)];
      m.jeu.b[static_cast<size_t>((4 - i) * 5 + j)] = c == 'X' ? 1 : c == 'O' ? 2 : 0;
    }
  return m;
}

int point(const char* v) { return jeugo::litvertex(v, 5); }

TEST(FuzzGtp, KoFollowsEachProgramsRule) {
  // Black takes the white stone at C3 with D3; white's retake at C3 is a ko.
  const std::vector<std::string> ko = {
      ".....",
      "..XO.",
      ".XO.O",
      "..XO.",
      ".....",
  };
  for (Dialecte d : {Dialecte::vesmok, Dialecte::nebra}) {
    fuzzgtp::Modele m = modele(d, ko);
    ASSERT_TRUE(m.legal(1, point("D3")));
    m.joue(1, point("D3"));
    EXPECT_EQ(m.jeu.b[static_cast<size_t>(point("C3"))], 0);
    EXPECT_FALSE(m.legal(2, point("C3")));
    // A pass given with play opens the ko again, for both.
    fuzzgtp::Modele apres = m;
    apres.joue(1, -1);
    EXPECT_TRUE(apres.legal(2, point("C3")));
  }
  // Vesmok: the engine's own pass leaves the capture record, so the ko stays.
  fuzzgtp::Modele m = modele(Dialecte::vesmok, ko);
  m.joue(1, point("D3"));
  m.joue(1, -1, true);
  EXPECT_FALSE(m.legal(2, point("C3")));
}

TEST(FuzzGtp, SuicideOfSeveralStonesIsNebrasOnly) {
  // White at A1 joins A2 and B1 and fills their last liberty.
  const std::vector<std::string> rangs = {
      ".....",
      ".....",
      "X....",
      "OX...",
      ".OX..",
  };
  fuzzgtp::Modele v = modele(Dialecte::vesmok, rangs), n = modele(Dialecte::nebra, rangs);
  EXPECT_FALSE(v.legal(2, point("A1")));
  ASSERT_TRUE(n.legal(2, point("A1")));
  n.joue(2, point("A1"));
  for (const char* p : {"A1", "A2", "B1"}) EXPECT_EQ(n.jeu.b[static_cast<size_t>(point(p))], 0) << p;
  // A lone stone without a liberty is refused by both.
  const std::vector<std::string> seul = {
      ".....",
      ".....",
      ".....",
      "X....",
      ".X...",
  };
  EXPECT_FALSE(modele(Dialecte::vesmok, seul).legal(2, point("A1")));
  EXPECT_FALSE(modele(Dialecte::nebra, seul).legal(2, point("A1")));
}

TEST(FuzzGtp, UndoReplaysTheListLessItsLastMove) {
  fuzzgtp::Modele m = modele(Dialecte::vesmok, {".....", ".....", ".....", ".....", "....."});
  for (const char* p : {"C3", "D3", "C4"}) m.joue(m.coups.size() % 2 ? 2 : 1, point(p));
  m.reprend();
  EXPECT_EQ(m.coups.size(), 2u);
  EXPECT_EQ(m.jeu.b[static_cast<size_t>(point("C4"))], 0);
  EXPECT_EQ(m.jeu.b[static_cast<size_t>(point("D3"))], 2);
}

// A reply written a few bytes at a time is still one reply within the wait:
// the wait is wall time, not the number of reads.
TEST(FuzzGtp, ReplyTricklingInIsReadWhole) {
  processus::Child c;
  std::string script = "for i in $(seq 1 150); do printf x; sleep 0.002; done; printf '\\n\\n'";
  const std::vector<std::string> argv = {"/bin/sh", "-c", script};
  std::vector<char*> a;
  for (const std::string& s : argv) a.push_back(const_cast<char*>(s.c_str()));
  a.push_back(nullptr);
  ASSERT_TRUE(processus::start(c, a.data()));
  std::string reponse;
  EXPECT_TRUE(processus::readreply(c, reponse, processus::kBlocageMs));
  EXPECT_EQ(reponse, std::string(150, 'x') + "\n\n");
  close(c.in);
  waitpid(c.pid, nullptr, 0);
}

}  // namespace

// The whole run against Vesmok behind a filter that spoils its output the
// way a faulty program would: each fault is found and named.
TEST(FuzzGtp, FaultsOfAProgramAreFound) {
  struct Cas {
    const char* filtre;  // shell pipeline after the program
    const char* message;
    int delai;
  };
  const Cas cas[] = {
      {"sed -u 's/^\\([=?]\\)[0-9][0-9]*/\\1/'", "without the id", processus::kBlocageMs},
      {"sed -u 's/^= Molvane$/= Molvane\\n\\n= /'", "answers no line", processus::kBlocageMs},
      // The output stops while the shell still holds it open: a hang. No
      // reply comes after the cut however long the wait, so a short one
      // finds it whatever the machine's speed.
      {"{ head -c 2000; cat >/dev/null; }", "no reply within", 3000},
      {"sed -u 's/^= [A-HJ-T][0-9][0-9]*$/= A1/'", "illegal move", processus::kBlocageMs},
  };
  for (const Cas& c : cas) {
    fuzzgtp::Options o;
    o.graine = 3;
    o.commandes = 300;
    o.delai = c.delai;
    o.programme = {"/bin/sh", "-c", std::string(VESMOK_DET) + " --level 1 | " + c.filtre};
    testing::internal::CaptureStdout();
    const fuzzgtp::Bilan b = fuzzgtp::lance(o);
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(b.fautes, 1) << c.filtre;
    EXPECT_NE(sortie.find(c.message), std::string::npos) << c.filtre << "\n" << sortie.substr(0, 2000);
  }
  // The program as it is: no fault.
  fuzzgtp::Options o;
  o.graine = 3;
  o.commandes = 300;
  o.programme = {VESMOK_DET, "--level", "1"};
  testing::internal::CaptureStdout();
  EXPECT_EQ(fuzzgtp::lance(o).fautes, 0);
  testing::internal::GetCapturedStdout();
}
