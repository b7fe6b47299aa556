// Fuseki library: the table, the point code, the transforms and the lookup.
#include "engine/opening/fuseki.h"

#include <algorithm>
#include <cstring>

#include "engine/board/geometrie.h"
#include "platform/platform.h"

namespace {
// Mirror axes 1..4 as symmetries: top-bottom, left-right, anti-diagonal,
// main diagonal. Also the bits 1, 2, 4, 8 of the symmetry mask.
constexpr int8_t SYMETRIEAXE[5] = {-1, 3, 7, 5, 1};

int32_t bornetaille(int32_t t) { return std::clamp<int32_t>(t, 1, TAILLEMAX); }
bool surplateau(int32_t ligne, int32_t colonne, int32_t taille) {
  return ligne >= 1 && ligne <= taille && colonne >= 1 && colonne <= taille;
}
}  // namespace

int comparecles(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  const int d = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);  // memcmp compares unsigned bytes
  if (d != 0) return d < 0 ? -1 : 1;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

TFuseki::TFuseki(int32_t t) : taille(bornetaille(t)), tailleplus1(bornetaille(t) + 1) {
  modele.fill(VIDE);
}

TFuseki::~TFuseki() { VideCoups(); }

std::string TFuseki::CodeCle(const TPlateau& plateau) { return CodePosition(plateau); }

// ---- Table -----------------------------------------------------------------

bool TFuseki::ChargeFlux(std::span<const uint8_t> flux) {
  lignes.clear();
  std::string courante;
  bool ouverte = false;  // a line has begun and is not yet ended
  for (std::size_t i = 0; i < flux.size(); ++i) {
    const uint8_t o = flux[i];
    if (o == '\r' || o == '\n') {
      if (o == '\r' && i + 1 < flux.size() && flux[i + 1] == '\n') ++i;
      lignes.push_back(std::move(courante));
      courante.clear();
      ouverte = false;
    } else {
      courante.push_back(static_cast<char>(o));
      ouverte = true;
    }
  }
  if (ouverte) lignes.push_back(std::move(courante));
  // The search relies on the order: refuse a table that does not keep it.
  for (std::size_t i = 1; i < lignes.size(); ++i) {
    if (comparecles(PartieCle(lignes[i - 1]), PartieCle(lignes[i])) >= 0) {
      lignes.clear();
      return false;
    }
  }
  return true;
}

std::string_view TFuseki::PartieCle(std::string_view ligne) {
  const std::size_t p = ligne.find(static_cast<char>(SEPARATEURCLE));
  return p == std::string_view::npos ? std::string_view() : ligne.substr(0, p);
}

std::string_view TFuseki::PartieValeur(std::string_view ligne) {
  const std::size_t p = ligne.find(static_cast<char>(SEPARATEURCLE));
  return p == std::string_view::npos ? ligne : ligne.substr(p + 1);
}

bool TFuseki::RechercheDichotomique(std::string_view cle, int& index) const {
  const int n = NombreLignes();
  index = 0;
  if (n == 0) return false;
  // The ends of the table.
  int d = comparecles(PartieCle(lignes[0]), cle);
  if (d >= 0) return d == 0;
  d = comparecles(PartieCle(lignes[static_cast<std::size_t>(n - 1)]), cle);
  if (d == 0) {
    index = n - 1;
    return true;
  }
  if (d < 0) {
    index = n;
    return false;
  }
  // Halve between a line below the key (lo) and one above it (hi).
  int lo = 0, hi = n - 1;
  while (hi > lo + 1) {
    const int mid = lo + (hi - lo) / 2;
    d = comparecles(PartieCle(lignes[static_cast<std::size_t>(mid)]), cle);
    if (d == 0) {
      index = mid;
      return true;
    }
    if (d < 0) lo = mid;
    else hi = mid;
  }
  index = hi;
  return false;
}

void TFuseki::Cherche(std::string_view cle) {
  VideCoups();
  int index = 0;
  if (!RechercheDichotomique(cle, index)) return;
  const std::string_view valeur = PartieValeur(lignes[static_cast<std::size_t>(index)]);
  for (std::size_t i = 0; i + 1 < valeur.size(); i += 2) {  // an odd last byte is ignored
    uint8_t couleur = 0;
    int32_t colonne = 0, ligne = 0;
    DecodeCase(static_cast<uint8_t>(valeur[i]), static_cast<uint8_t>(valeur[i + 1]), couleur, colonne, ligne);
    coups.AjouteCoup(ligne, colonne, couleur);
  }
}

// ---- Point code and positions ----------------------------------------------

void TFuseki::CodeCase(int32_t ligne, int32_t colonne, uint8_t couleur, uint8_t& octet1, uint8_t& octet2) {
  octet1 = static_cast<uint8_t>((colonne & 31) | 0x20);
  octet2 = static_cast<uint8_t>(((ligne & 31) | 0x20) + (couleur == BLANC ? 0x40 : 0));
}

void TFuseki::AjouteCodeCase(std::string& cle, const TPlateau& plateau, int32_t ligne, int32_t colonne) {
  const uint8_t v = plateau[indexcase(ligne, colonne)];
  if (v != BLANC && v != NOIR) return;
  uint8_t o1 = 0, o2 = 0;
  CodeCase(ligne, colonne, v, o1, o2);
  cle.push_back(static_cast<char>(o1));
  cle.push_back(static_cast<char>(o2));
}

void TFuseki::DecodeCase(uint8_t octet1, uint8_t octet2, uint8_t& couleur, int32_t& colonne, int32_t& ligne) {
  colonne = octet1 & 31;
  ligne = octet2 & 31;
  couleur = (octet2 & 0x40) ? BLANC : NOIR;
}

void TFuseki::ListePierres(const TPlateau& plateau) {
  VideCoups();
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const uint8_t v = plateau[indexcase(r, c)];
      if (v == BLANC || v == NOIR) coups.AjouteCoup(r, c, v);
    }
}

std::string TFuseki::CodePosition(const TPlateau& plateau) const {
  std::string cle;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) AjouteCodeCase(cle, plateau, r, c);
  return cle;
}

std::string TFuseki::CleTransformee(int transformation) {
  TPlateau p = modele;
  for (int i = 0; i < coups.Count(); ++i) {
    const TCoups* m = coups.Coup(i);
    int32_t r = m->ligne, c = m->colonne;
    TransformeCase(transformation, r, c);
    if (surplateau(r, c, TAILLEMAX)) p[indexcase(r, c)] = m->couleur;
  }
  return CodeCle(p);
}

int TFuseki::Normalise(const TPlateau& plateau) {
  ListePierres(plateau);
  int garde = 0;
  int64_t sommeR = 0, sommeC = 0;
  std::string clegardee;
  bool clecalculee = false;
  for (int t = 0; t < 8; ++t) {
    int64_t R = 0, C = 0;
    for (int i = 0; i < coups.Count(); ++i) {
      int32_t r = coups.Coup(i)->ligne, c = coups.Coup(i)->colonne;
      TransformeCase(t, r, c);
      R += r;
      C += c;
    }
    if (R > sommeR || (R == sommeR && C > sommeC)) {
      garde = t;
      sommeR = R;
      sommeC = C;
      clecalculee = false;
    } else if (R == sommeR && C == sommeC) {
      if (!clecalculee) {
        clegardee = CleTransformee(garde);
        clecalculee = true;
      }
      std::string cle = CleTransformee(t);
      if (comparecles(cle, clegardee) < 0) {
        garde = t;
        clegardee = std::move(cle);
      }
    }
  }
  return garde;
}

int TFuseki::Symetries(const TPlateau& plateau) {
  ListePierres(plateau);
  if (coups.Count() == 0) return 15;
  std::string k[8];
  for (int t = 0; t < 8; ++t) k[t] = CleTransformee(t);
  int masque = 0;
  // Unchanged by a mirror: every view t looks the same after the mirror.
  for (int axe = 1; axe <= 4; ++axe) {
    bool garde = true;
    for (int t = 0; t < 8 && garde; ++t) garde = k[t] == k[composesymetries(t, SYMETRIEAXE[axe])];
    if (garde) masque |= 1 << (axe - 1);
  }
  return masque;
}

// ---- Transforms --------------------------------------------------------------

void TFuseki::TransformeCase(int transformation, int32_t& ligne, int32_t& colonne) const {
  imagesymetrique(transformation, tailleplus1, ligne, colonne);
}

void TFuseki::TransformeInverse(int transformation, int32_t& ligne, int32_t& colonne) const {
  if (transformation < 0 || transformation > 7) return;
  imagesymetrique(SYMETRIES[transformation].inverse, tailleplus1, ligne, colonne);
}

void TFuseki::CaseSymetrique(int axe, int32_t& ligne, int32_t& colonne) const {
  if (axe < 1 || axe > 4) return;
  imagesymetrique(SYMETRIEAXE[axe], tailleplus1, ligne, colonne);
}

// ---- Lookup --------------------------------------------------------------------

void TFuseki::CoupsSuggeres(uint8_t couleur, int32_t tailleplateau, int32_t& nombre, TMarques& carte,
                            const TPlateau& plateau) {
  const int32_t N = std::min(bornetaille(tailleplateau), taille);
  // The position's own symmetries.
  nombre = 0;
  const int masque = Symetries(plateau);
  // Look the normalised position up.
  int t = Normalise(plateau);
  Cherche(CleTransformee(t));
  // Empty map.
  carte.fill(0);
  // The moves for the colour asked, back in the board's orientation.
  auto reporte = [&](bool memecouleur) {
    for (int i = 0; i < coups.Count(); ++i) {
      const TCoups* m = coups.Coup(i);
      if ((m->couleur == couleur) != memecouleur) continue;
      int32_t r = m->ligne, c = m->colonne;
      TransformeInverse(t, r, c);
      if (!surplateau(r, c, N)) continue;  // malformed data: never write off the board
      carte[indexcase(r, c)] = 1;
      ++nombre;
    }
  };
  reporte(true);
  // The colour-exchanged position: its other-colour moves are ours.
  TPlateau echange = plateau;
  for (int32_t r = 1; r <= N; ++r)
    for (int32_t c = 1; c <= N; ++c) {
      uint8_t& v = echange[indexcase(r, c)];
      if (v == BLANC || v == NOIR) v = static_cast<uint8_t>(1 - v);
    }
  t = Normalise(echange);
  Cherche(CleTransformee(t));
  // Its moves, colours exchanged back.
  reporte(false);
  // Complete with the mirrors the position itself allows.
  if (nombre == 0) return;
  for (int axe = 1; axe <= 4; ++axe) {
    if (!(masque & (1 << (axe - 1)))) continue;
    for (int32_t r = 1; r <= N; ++r)
      for (int32_t c = 1; c <= N; ++c) {
        if (carte[indexcase(r, c)] != 1) continue;
        int32_t mr = r, mc = c;
        CaseSymetrique(axe, mr, mc);
        if (!surplateau(mr, mc, N) || carte[indexcase(mr, mc)] == 1) continue;
        carte[indexcase(mr, mc)] = 1;
        ++nombre;
      }
  }
}

// ---- Start-up and exit ---------------------------------------------------------

void chargefuseki(int32_t t) {
  liberefuseki();
  bibliofuseki = new TFuseki(t);
  bibliofuseki->ChargeFlux(platform::donnee("FUSEKI" + std::to_string(t)));
}

void liberefuseki() {
  delete bibliofuseki;
  bibliofuseki = nullptr;
}
