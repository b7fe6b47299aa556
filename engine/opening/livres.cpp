#include "engine/opening/livres.h"

#include <algorithm>
#include <string>

#include "engine/board/cles.h"
#include "engine/board/geometrie.h"
#include "engine/board/jeu.h"
#include "engine/board/listecoups.h"
#include "engine/board/trace.h"
#include "engine/board/voisin.h"
#include "platform/platform.h"

namespace {

std::span<const uint8_t> (*sourcelivres)(std::string_view) = nullptr;

std::span<const uint8_t> item(std::string_view nom) {
  return sourcelivres != nullptr ? sourcelivres(nom) : platform::donnee(nom);
}

// Reads at most `nombre` little-endian integers of `octets` into t[1..].
int32_t litentiers(std::span<const uint8_t> octets, int32_t nombre, std::vector<int32_t>& t) {
  const int32_t n = std::min<int32_t>(nombre, static_cast<int32_t>(octets.size() / 4));
  t.assign(static_cast<std::size_t>(n) + 1, 0);
  for (int32_t i = 0; i < n; ++i) {
    const uint8_t* b = octets.data() + 4 * i;
    t[static_cast<std::size_t>(i) + 1] =
        static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24);
  }
  return n;
}

bool croissante(const std::vector<int32_t>& t, int32_t n) {
  for (int32_t i = 1; i < n; ++i)
    if (t[static_cast<std::size_t>(i) + 1] <= t[static_cast<std::size_t>(i)]) return false;
  return true;
}

// One colour of the 9x9 book: keys and results of equal length, keys
// ascending; anything else leaves both tables empty.
int32_t chargecouleur99(std::string_view nomcle, std::string_view nomresult, std::vector<int32_t>& cles,
                        std::vector<int32_t>& results) {
  const auto octetscles = item(nomcle);
  int32_t n = litentiers(octetscles, static_cast<int32_t>(octetscles.size() / 4), cles);
  if (n == 0) return 0;
  const auto octetsresults = item(nomresult);
  const int32_t m = litentiers(octetsresults, n, results);
  if (m != n || !croissante(cles, n)) {
    cles.assign(1, 0);
    results.assign(1, 0);
    return 0;
  }
  return n;
}

int32_t minimumsigne(const uint32_t (&cles)[8]) {
  int32_t m = static_cast<int32_t>(cles[0]);
  for (uint32_t k : cles) m = std::min(m, static_cast<int32_t>(k));
  return m;
}

// XORs the image of (l, c) under every symmetry with `valeur` of its table.
void xorsymetries(uint32_t (&cles)[8], const uint32_t* table, int32_t l, int32_t c) {
  for (int32_t k = 0; k < 8; ++k) {
    int32_t l2 = l, c2 = c;
    pointsymetrique(l, c, k, l2, c2);
    cles[k] ^= table[indexcase(l2, c2)];
  }
}

bool marquetroisiemeligne(int32_t l, int32_t c) {
  const int32_t n = configmoteur.taille, m = n / 2 + 1;
  const bool bordl = l == 3 || l == n - 2, bordc = c == 3 || c == n - 2;
  return (bordl && bordc) || (l == m && bordc) || (c == m && bordl);
}

}  // namespace

namespace seamlivres {
void fixesource(std::span<const uint8_t> (*source)(std::string_view)) { sourcelivres = source; }
}  // namespace seamlivres

int32_t calculecle(const TPlateau& p) {
  uint32_t cle = 0;
  const int32_t n = configmoteur.taille;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c)
      if (p[indexcase(l, c)] != VIDE) xorclepion(cle, l, c, p[indexcase(l, c)]);
  return static_cast<int32_t>(cle);
}

int32_t calculeclesymetrie(const TPlateau& p) {
  uint32_t cles[8] = {};
  const int32_t n = configmoteur.taille;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const uint8_t v = p[indexcase(l, c)];
      if (v != VIDE) xorsymetries(cles, zobristcouleur[v != 0 ? 1 : 0], l, c);
    }
  return minimumsigne(cles);
}

int32_t calculeclemoyo(const TPlateau& p, const TMarques& moyo, uint8_t couleur) {
  uint32_t cles[8] = {};
  const int32_t n = configmoteur.taille;
  const uint8_t camp = couleur == NOIR ? NOIR : BLANC, autre = camp == NOIR ? BLANC : NOIR;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      const uint8_t v = p[i];
      if (v == camp) {
        xorsymetries(cles, zobristcouleur[camp], l, c);
      } else if (v == autre) {
        if (moyo[i] != camp && voisin8couleur(p, camp, l, c)) xorsymetries(cles, zobristcouleur[autre], l, c);
      } else if (marquetroisiemeligne(l, c) && moyo[i] == camp) {
        xorsymetries(cles, zobristmoyo, l, c);
      }
    }
  return minimumsigne(cles);
}

bool cherchecle(int32_t cle, const std::vector<int32_t>& table, int32_t nombre, int32_t& index) {
  const int32_t n = std::max(0, std::min(nombre, static_cast<int32_t>(table.size()) - 1));
  int32_t lo = 1, hi = n;
  if (n >= 10) {
    while (hi - lo + 1 >= 5) {
      const int32_t mil = (lo + hi) / 2;
      const int32_t v = table[static_cast<std::size_t>(mil)];
      if (v == cle) {
        index = mil;
        return true;
      }
      if (v < cle)
        lo = mil + 1;
      else
        hi = mil - 1;
    }
  }
  for (int32_t i = lo; i <= hi; ++i) {
    const int32_t v = table[static_cast<std::size_t>(i)];
    if (v == cle) {
      index = i;
      return true;
    }
    if (v > cle) {
      index = i;
      return false;
    }
  }
  index = hi + 1;
  return false;
}

void chargebase99(int32_t& nombrenoir, int32_t& nombreblanc) {
  liberebase99();
  nombrenoir = chargecouleur99("base99noircle", "base99noirresult", tabcle99noir, tabresult99noir);
  nombreblanc = chargecouleur99("base99blanccle", "base99blancresult", tabcle99blanc, tabresult99blanc);
}

void liberebase99() {
  for (auto* t : {&tabcle99noir, &tabcle99blanc, &tabresult99noir, &tabresult99blanc}) {
    t->clear();
    t->shrink_to_fit();
  }
}

int32_t chargebase1919(int32_t n, bool moyo) {
  const std::string nom = std::to_string(n) + (moyo ? "base1919clemoyo" : "base1919cle");
  const auto octets = item(nom);
  const int32_t nombre = litentiers(octets, static_cast<int32_t>(octets.size() / 4), tabcle1919);
  if (!croissante(tabcle1919, nombre)) {
    tabcle1919.assign(1, 0);
    return 0;
  }
  return nombre;
}

void liberebase1919() {
  tabcle1919.clear();
  tabcle1919.shrink_to_fit();
}

bool joueurareponsebase99(const TPlateau& essai, const TInfoChaine& infoessai, int32_t nombrenoir,
                          uint8_t couleur, uint8_t autre, int32_t nombreblanc) {
  (void)couleur;
  const TInfoChaine sauve = infochaine;
  infochaine = infoessai;
  const int32_t n = configmoteur.taille;
  const std::vector<int32_t>& cles = autre == NOIR ? tabcle99noir : tabcle99blanc;
  const std::vector<int32_t>& results = autre == NOIR ? tabresult99noir : tabresult99blanc;
  const int32_t nombre = autre == NOIR ? nombrenoir : nombreblanc;
  bool reponse = false;
  TPlateau copie = essai;
  TListePoints prises;
  for (int32_t l = 1; l <= n && !reponse; ++l)
    for (int32_t c = 1; c <= n && !reponse; ++c) {
      if (essai[indexcase(l, c)] != VIDE) continue;
      prises[0] = 0;
      jouecoup(prises, 300, copie, l, c, autre, couleur);
      if (copie[indexcase(l, c)] == VIDE) continue;
      const int32_t cle = calculeclesymetrie(copie);
      copie = essai;
      infochaine = infoessai;
      int32_t index = 0;
      if (cherchecle(cle, cles, nombre, index) && index >= 1 && results[static_cast<std::size_t>(index)] > 0)
        reponse = true;
    }
  infochaine = sauve;
  return reponse;
}

void consultebase99(TMarques& exclus, const TPlateau& p, TListePoints& candidats, int32_t limite, TCarte& scores,
                    TCarte& second, int32_t cap) {
  (void)p;
  if (numerocoup >= limite) return;
  int32_t nombrenoir = 0, nombreblanc = 0;
  chargebase99(nombrenoir, nombreblanc);
  TMarques sansreponse = marquesvides;
  for (int32_t i = 1; i < nombrenoir; ++i)
    if (tabcle99noir[static_cast<std::size_t>(i) + 1] <= tabcle99noir[static_cast<std::size_t>(i)])
      ecritdebug("bug cle noir " + std::to_string(i));
  for (int32_t i = 1; i < nombreblanc; ++i)
    if (tabcle99blanc[static_cast<std::size_t>(i) + 1] <= tabcle99blanc[static_cast<std::size_t>(i)])
      ecritdebug("bug cle blanc " + std::to_string(i));
  const bool noir = couleurordi == NOIR;
  if (noir ? nombrenoir == 0 : nombreblanc == 0) return;
  const std::vector<int32_t>& cles = noir ? tabcle99noir : tabcle99blanc;
  const std::vector<int32_t>& results = noir ? tabresult99noir : tabresult99blanc;
  const int32_t nombre = noir ? nombrenoir : nombreblanc;
  const int32_t n = configmoteur.taille;
  int32_t meilleur = 0;
  bool sansreponsevu = false;
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (casescandidates[i] == 0) continue;
      const TEssaiCoup& e = essaiordi(l, c);
      int32_t index = 0;
      if (!cherchecle(calculeclesymetrie(e.plateauessai), cles, nombre, index) || index < 1) continue;
      const int32_t r = results[static_cast<std::size_t>(index)];
      if (r < 0) {
        second[i] = 0;
        scores[i] = r * 10;
      } else if (r > 0) {
        ajoutecaseliste(l, c, candidats, cap);
        scores[i] = r;
        meilleur = std::max(meilleur, r);
        if (numerocoup < limite - 1 &&
            !joueurareponsebase99(e.plateauessai, e.infochaineessai, nombrenoir, couleurordi, couleurjoueur,
                                  nombreblanc)) {
          sansreponse[i] = 1;
          sansreponsevu = true;
        }
      }
    }
  if (sansreponsevu) {
    ecritdebug("COUPBASE99SANsREPONSEPOURJOUEUR");
    meilleur = 0;
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (casescandidates[i] == 0 || scores[i] <= 0) continue;
        if (sansreponse[i] == 0)
          scores[i] = 0;
        else
          meilleur = std::max(meilleur, scores[i]);
      }
  }
  if (meilleur > 0) {
    coupbasetrouve = 1;
    const int32_t r = numerocoup < 5 ? platform::Random(6) : platform::Random(4);
    const int32_t seuil = std::max(1, meilleur - (r * meilleur) / 10);
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c) {
        const int32_t i = indexcase(l, c);
        if (casescandidates[i] == 0) continue;
        if (scores[i] >= seuil)
          scores[i] += 1000 + platform::Random(500);
        else
          exclus[i] = 1;
      }
    coupdebutchoisi = 1;
  }
  ++compteurnoeudsprise;
}

bool coupaeviterbase1919(const TPlateau& p, int32_t ligne, int32_t colonne) {
  const int32_t d = distancebord[indexcase(ligne, colonne)];
  if (d >= 2) return false;
  const TEssaiCoup& e = essaiordi(ligne, colonne);
  if (e.compteur1essai > 0 || e.compteur2essai > 0) return false;
  if (d == 0) return !voisin8couleur(p, couleurordi, ligne, colonne);
  return !couleurdanscarre2(p, 2, ligne, couleurordi, colonne);
}

namespace {

bool comptesvalides(int32_t noirs, int32_t blancs) {
  return blancs >= 1 && blancs <= 6 && noirs >= 1 && noirs <= 14 && (noirs < 10 || blancs >= noirs - 8);
}

// One pass of the 19x19 book over the candidates; true when it decided.
bool passe1919(bool moyo, int32_t nombre, TMarques& filtres, TPoint& choisi, TMarques& exclus, const TPlateau& p,
               TCarte& scores, int32_t cap, TListePoints& candidats) {
  const int32_t n = configmoteur.taille;
  TMarques touches = marquesvides;
  int32_t nbtouches = 0;
  TPoint premier{};
  for (int32_t l = 1; l <= n; ++l)
    for (int32_t c = 1; c <= n; ++c) {
      const int32_t i = indexcase(l, c);
      if (casescandidates[i] == 0) continue;
      const TEssaiCoup& e = essaiordi(l, c);
      int32_t cle = 0;
      if (moyo) {
        if (filtres[i] != 0) continue;
        cle = calculeclemoyo(e.plateauessai, e.carteessaimoyo, couleurordi);
      } else {
        if (coupaeviterbase1919(p, l, c)) {
          filtres[i] = 1;
          continue;
        }
        cle = calculeclesymetrie(e.plateauessai);
      }
      int32_t index = 0;
      if (!cherchecle(cle, tabcle1919, nombre, index) || index < 1) continue;
      scores[i] += 1001;
      coupbasetrouve = 1;
      coupdebutchoisi = 1;
      touches[i] = 1;
      if (nbtouches++ == 0) premier = TPoint{l, c};
      ajoutecaseliste(l, c, candidats, cap);
    }
  if (nbtouches == 1) {
    choisi = premier;
    return true;
  }
  if (nbtouches > 1) {
    for (int32_t l = 1; l <= n; ++l)
      for (int32_t c = 1; c <= n; ++c)
        if (touches[indexcase(l, c)] == 0) exclus[indexcase(l, c)] = 1;
    return true;
  }
  return false;
}

}  // namespace

void consultebase1919(TPoint& choisi, TMarques& exclus, const TPlateau& p, TCarte& scores, int32_t cap,
                      TListePoints& candidats) {
  if (configmoteur.taille != 19) return;
  int32_t noirs = 0, blancs = 0;
  for (int32_t l = 1; l <= 19; ++l)
    for (int32_t c = 1; c <= 19; ++c) {
      if (p[indexcase(l, c)] == NOIR) ++noirs;
      if (p[indexcase(l, c)] == BLANC) ++blancs;
    }
  (couleurordi == NOIR ? noirs : blancs) += 1;
  const int32_t n = noirs * 100 + blancs;
  if (!comptesvalides(noirs, blancs)) return;
  TMarques filtres = marquesvides;
  int32_t nombre = chargebase1919(n, false);
  const bool decide = nombre > 0 && passe1919(false, nombre, filtres, choisi, exclus, p, scores, cap, candidats);
  if (!decide && nombre > 0 && comptesvalides(noirs, blancs)) {
    nombre = chargebase1919(n, true);
    if (nombre > 0) passe1919(true, nombre, filtres, choisi, exclus, p, scores, cap, candidats);
  }
  liberebase1919();
}
