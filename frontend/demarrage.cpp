#include "frontend/demarrage.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/opening/joseki.h"
#include "frontend/commandes.h"
#include "frontend/console.h"
#include "frontend/gtp.h"
#include "frontend/partie.h"

namespace {
bool toutchiffres(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Value of an all-digits text; false when it does not fit a signed 32-bit integer.
bool litentier(std::string_view s, int32_t& valeur) {
  int64_t v = 0;
  for (char c : s) {
    v = v * 10 + (c - '0');
    if (v > INT32_MAX) return false;
  }
  valeur = static_cast<int32_t>(v);
  return true;
}
}  // namespace

int32_t lignecommande(int argc, const char* const* argv, int32_t& niveau, uint8_t& regle, uint8_t& tailles) {
  int i = 1;
  while (i < argc) {
    const std::string_view p = argv[i];
    if (p.empty() || p[0] != '-') break;
    if (p == "--level") {
      int32_t v = 0;
      if (i + 1 >= argc || !toutchiffres(argv[i + 1]) || !litentier(argv[i + 1], v)) return 1;
      niveau = v;
      i += 2;
    } else if (p == "--rules") {
      if (i + 1 >= argc) return 2;
      const std::string_view r = argv[i + 1];
      if (r == "japanese")
        regle = 0;
      else if (r == "chinese")
        regle = 2;
      else
        return 2;
      i += 2;
    } else if (p == "--size") {
      tailles = 0;
      ++i;
      for (; i < argc && toutchiffres(argv[i]); ++i) {
        int32_t v = 0;
        if (litentier(argv[i], v) && indextaille(v) != 0) tailles |= static_cast<uint8_t>(1u << indextaille(v));
      }
    } else {
      ++i;
    }
  }
  if (tailles == 0) tailles = 74;
  return 0;
}

int vesmok(int argc, const char* const* argv) {
  // Defaults, then the command line; a bad value ends at once, before any
  // input is read, with one line naming the option.
  int32_t niveau = 7;
  uint8_t regle = 2, tailles = 0;
  switch (lignecommande(argc, argv, niveau, regle, tailles)) {
    case 0: break;
    case 1: std::fputs("vesmok: --level needs a level from 1 to 10\n", stderr); return 2;
    default: std::fputs("vesmok: --rules needs japanese or chinese\n", stderr); return 2;
  }
  // Libraries, console, protocol layer, game.
  chargefuseki(19);
  chargejoseki(19);
  initconsole();
  gtpinit(0, "debug.txt", tabmotsgtp);
  gtpinitpartie(niveau, regle, tailles);
  // Read loop; the end of input ends it as quit does, and so does an output
  // that can no longer be written.
  std::string morceau;
  while (etatgtp.quitter == 0 && !sortiefermee()) {
    morceau.clear();
    if (lireconsole(morceau) == 0) {
      gtpfinentree();
      break;
    }
    gtprecoit(morceau);
  }
  // Shut-down.
  etatgtp.journal.clear();
  liberefuseki();
  liberejoseki();
  return sortiefermee() ? 1 : 0;
}
