// UGF reader through the loading entry: the fixture file, header values
// and the players' photographs.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "tests/unit/records_support.h"

namespace {

using records_test::Charge;
using records_test::decritarbre;
using records_test::donnee;
using records_test::Fichier;

// An 8x8 colour picture encoded by libjpeg, as the hexadecimal text of a
// [Files] entry.
std::string jpeg8x8hexa() {
  jpeg_compress_struct info;
  jpeg_error_mgr erreur;
  info.err = jpeg_std_error(&erreur);
  jpeg_create_compress(&info);
  unsigned char* sortie = nullptr;
  unsigned long taille = 0;
  jpeg_mem_dest(&info, &sortie, &taille);
  info.image_width = 8;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> ligne(8 * 3);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      ligne[x * 3] = static_cast<unsigned char>(x * 32);
      ligne[x * 3 + 1] = static_cast<unsigned char>(y * 32);
      ligne[x * 3 + 2] = 128;
    }
    JSAMPROW r = ligne.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string hexa;
  char deux[3];
  for (unsigned long i = 0; i < taille; ++i) {
    std::snprintf(deux, sizeof deux, "%02X", sortie[i]);
    hexa += deux;
  }
  std::free(sortie);
  return hexa;
}

TEST(RecordsUgf, FixtureFile) {
  const Charge c(donnee("partie.ugf"));
  // TA is a silent pass (row 20), ZZ a pass with a message; a setup after
  // a move opens a new setup node; the [Other] section is not read.
  verifiecharge(c, "0 4 3[1:3,7 1:7,3] 2#1@5,5 1#2@6,5 3[0:1,9] 1#3@0,0 2#4@0,0",
                "Impossible move, transformed in pass!", "");
  ASSERT_TRUE(c.arbre);
  TConfig config = c.config;
  const TGameInfo& i = c.arbre->premierfils->donnees->infopartie;
  EXPECT_EQ(config.taille, 9);
  EXPECT_EQ(i.taille, 9);
  EXPECT_EQ(config.infopartie[11], "Friendly game");
  EXPECT_EQ(config.infopartie[0], "annotated");
  EXPECT_EQ(config.infopartie[13], "(c) nobody");
  EXPECT_EQ(config.infopartie[2], "2004-05-06");
  EXPECT_EQ(config.handicap, 2);
  EXPECT_EQ(i.handicap, "2");
  EXPECT_EQ(config.komi, 0.5);
  EXPECT_EQ(i.komi, "0.5");
  EXPECT_EQ(config.infopartie[3], "Club");
  EXPECT_EQ(config.nomnoir(), "Ann");
  EXPECT_EQ(config.infopartie[4], "3d");
  EXPECT_EQ(config.nomblanc(), "Bob");
  EXPECT_EQ(i.rangblanc, "2k");
  EXPECT_EQ(config.regle, 2);
  EXPECT_EQ(i.regles, "Chinese");
  // Winner goes to both, the later Writer to the game information only.
  EXPECT_EQ(config.infopartie[7], "B+3.5");
  EXPECT_EQ(i.resultat, "W+Time");
  EXPECT_EQ(config.pagepub, "page.htm");
  EXPECT_EQ(config.photonoir, nullptr);
}

TEST(RecordsUgf, HeaderValues) {
  struct Cas {
    const char* ligne;
    std::function<void(const TArbre&, const TConfig&)> verifie;
  };
  auto resultat = [](const char* config, const char* info) {
    return [=](const TArbre& h, const TConfig& c) {
      EXPECT_EQ(c.infopartie[7], config);
      EXPECT_EQ(h.premierfils->donnees->infopartie.resultat, info);
    };
  };
  auto handicap = [](int h, double k) {
    return [=](const TArbre&, const TConfig& c) {
      EXPECT_EQ(c.handicap, h);
      EXPECT_EQ(c.komi, k);
    };
  };
  const Cas cas[] = {
      {"Winner=B+3,5", resultat("B+3.5", "B+3.5")},
      {"Winner=W+C", resultat("W+Resign", "W+Resign")},
      {"Winner=A+T", resultat("VoidTime", "VoidTime")},
      {"Winner=B", resultat("old", "")},
      {"Writer=B,C", resultat("old", "B+Resign")},
      {"Writer=D,", resultat("old", "Draw")},
      {"Writer=W,4.5", resultat("old", "W+4.5")},
      {"Writer=X,3", resultat("old", "X,3")},
      {"Hdcp=2,0.5", handicap(2, 0.5)},
      {"Hdcp=x", handicap(0, 0.0)},
      {"Hdcp=3", handicap(3, 0.0)},
      {"Hdcp=0,6,5", handicap(0, 6.5)},
      {"Hdcp=1,6-5", handicap(1, 0.0)},
      {"Date=2004/05/06", [](const TArbre&, const TConfig& c) { EXPECT_EQ(c.infopartie[2], "2004-05-06"); }},
      {"PlayerB=Smith", [](const TArbre&, const TConfig& c) {
         TConfig x = c;
         EXPECT_EQ(x.nomnoir(), "Smith");
         EXPECT_EQ(c.infopartie[4], "");
       }},
      {"Rule=JPN", [](const TArbre&, const TConfig& c) { EXPECT_EQ(c.regle, 0); }},
      {"Rule=XX", [](const TArbre&, const TConfig& c) { EXPECT_EQ(c.regle, 6); }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.ligne);
    Fichier f("entete.ugf", std::string("[Header]\n") + c.ligne + "\n");
    TConfig depart;
    depart.infopartie[7] = "old";
    depart.komi = 9.5;
    depart.handicap = 9;
    depart.regle = 6;
    const Charge charge(f.chemin, depart);
    ASSERT_TRUE(charge.arbre);
    EXPECT_EQ(charge.messages.texte(), "");
    c.verifie(*charge.arbre, charge.config);
  }
}

TEST(RecordsUgf, RefusedSizesAndMissingFiles) {
  {
    Fichier f("taille.ugi", "[Header]\nTitle=t\nSize=25\n[Data]\nAA,B1,1,0\n");
    TConfig depart;
    depart.taille = 13;
    const Charge c(f.chemin, depart);
    verifiecharge(c, "0", "Error of size!", f.chemin);
    EXPECT_EQ(c.config.taille, 13);
    EXPECT_EQ(c.config.infopartie[11], "");
  }
  verifiecharge(Charge("/nonexistent/x.ugf"), "0 4", "Unable to open the file %f", "/nonexistent/x.ugf");
}

TEST(RecordsUgf, PhotographsAreDecodedAndOwnedByTheRecord) {
  const std::string hexa = jpeg8x8hexa();
  std::string corrompu = hexa;
  for (size_t i = 8; i < corrompu.size(); i += 3) corrompu[i] = 'Z';
  Fichier f("photos.ugf", "[Remote]\nPhotoB=pb\nPhotoW=pw\nAdvertisingIcon=icone\n[Files]\npb=" + hexa +
                              "\npw=" + corrompu + "\nicone=" + hexa.substr(0, 40) + "\nautre=" + hexa + "\n");
  const Charge c(f.chemin);
  ASSERT_TRUE(c.arbre);
  TConfig config = c.config;
  ASSERT_NE(config.photonoir, nullptr);
  EXPECT_EQ(config.photonoir->largeur, 8);
  EXPECT_EQ(config.photonoir->hauteur, 8);
  EXPECT_EQ(config.photonoir->composantes, 3);
  EXPECT_EQ(config.photonoir->pixels.size(), 8u * 8u * 3u);
  // Roughly the colours encoded: red grows along the row.
  EXPECT_LT(config.photonoir->pixels[0], config.photonoir->pixels[7 * 3]);
  EXPECT_EQ(config.photoblanc, nullptr);
  // A truncated picture decodes what is there or nothing; it never stops the load.
  EXPECT_EQ(c.messages.texte(), "");
  // A copy of the record shares the picture; the last one frees it.
  std::weak_ptr<const TImage> photo = config.photonoir;
  {
    TConfig copie = config;
    config = TConfig{};
    EXPECT_FALSE(photo.expired());
  }
  EXPECT_FALSE(photo.expired());  // the load's own record still holds it
}

TEST(RecordsUgf, GreyPhotographFixture) {
  const Charge c(donnee("photo.ugf"));
  const TConfig& config = c.config;
  ASSERT_NE(config.photoblanc, nullptr);
  EXPECT_EQ(config.photoblanc->largeur, 8);
  EXPECT_EQ(config.photoblanc->composantes, 1);
  EXPECT_EQ(config.photonoir, nullptr);
}

// One [Files] entry named by both photographs and the icon fills all three.
TEST(RecordsUgf, OneEntryMayServeSeveralPictures) {
  Fichier f("partage.ugf",
            "[Remote]\nPhotoB=p\nPhotoW=p\nAdvertisingIcon=p\n[Files]\np=" + jpeg8x8hexa() + "\n");
  const Charge c(f.chemin);
  ASSERT_TRUE(c.arbre);
  EXPECT_NE(c.config.photonoir, nullptr);
  EXPECT_NE(c.config.photoblanc, nullptr);
  EXPECT_NE(c.config.iconepub, nullptr);
}

// Without a Size line the points are read, replayed and handed back on the
// caller's board size, or on 19 when the caller's record holds none.
TEST(RecordsUgf, WithoutSizeTheCallersSizeOr19) {
  Fichier f("sanstaille.ugf", "[Data]\nAA,B1,1,0\nCS,W1,2,0\n");
  struct Cas {
    int32_t depart;
    const char* arbre;
    int32_t taille;
  };
  const Cas cas[] = {{0, "0 4 1#1@1,19 2#2@3,1", 19}, {9, "0 4 1#1@1,9 2#2@0,0", 9}, {25, "0 4 1#1@1,19 2#2@3,1", 19}};
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.depart);
    TConfig depart;
    depart.taille = k.depart;
    const Charge c(f.chemin, depart);
    ASSERT_TRUE(c.arbre);
    EXPECT_EQ(decritarbre(*c.arbre), k.arbre);
    EXPECT_EQ(c.config.taille, k.taille);
  }
}

// A move line of no colour adds no node; setup stones of any other colour
// than "B" are white.
TEST(RecordsUgf, DataLinesOfNoColour) {
  Fichier f("couleur.ugf", "[Header]\nSize=9\n[Data]\nAA,X1,1,0\nBB,B2,2,0\nCC,Y2,3,0\nDD,X,0,0\n");
  const Charge c(f.chemin);
  records_test::verifiecharge(c, "0 4 1#1@2,8 3[0:4,6]", "", f.chemin);
}

}  // namespace
