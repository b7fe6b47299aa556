// Joseki library: corner keys in a 19x19 frame and the per-corner lookup.
#include "engine/opening/joseki.h"

#include <algorithm>

#include "platform/platform.h"

// What the steps of one request share.
struct TJoseki::Requete {
  const TPlateau& plateau;  // the game board (moves go only to its empty points)
  TMarques& carte;
  int32_t& nombre;
  int coin = 0;          // 1..4
  bool reduit = false;   // the moves came from a reduced region
  int masque = 0;        // symmetry mask of the frame last looked up
};

TJoseki::TJoseki(int32_t t) : TJoseki(t, t / 2 + 1) {}

TJoseki::TJoseki(int32_t t, int32_t region) : TFuseki(t), regioncoin(region), taillesauvee(taille) {
  FixeTaille(t);
}

void TJoseki::FixeTaille(int32_t t) {
  taille = std::clamp<int32_t>(t, 1, TAILLEMAX);
  tailleplus1 = taille + 1;
  regioncoin = (taille + 1) / 2;
}

// ---- Corner keys -------------------------------------------------------------

TPlateau TJoseki::ExtraitCoin(const TPlateau& plateau, int coin, int32_t r) const {
  TPlateau cadre = modele;
  const bool bas = coin == 2 || coin == 3;     // high rows
  const bool droite = coin == 3 || coin == 4;  // high columns
  for (int32_t i = 1; i <= r; ++i)
    for (int32_t j = 1; j <= r; ++j) {
      const int32_t l = bas ? taille - r + i : i, c = droite ? taille - r + j : j;
      const int32_t lc = bas ? TAILLEMAX - r + i : i, cc = droite ? TAILLEMAX - r + j : j;
      if (l < 1 || c < 1 || l > taille || c > taille) continue;
      cadre[indexcase(lc, cc)] = plateau[indexcase(l, c)];
    }
  return cadre;
}

void TJoseki::CleCoin(const TPlateau& cadre, int& transformation, std::string& cle) {
  SauveTaille();
  FixeTaille(TAILLEMAX);
  transformation = Normalise(cadre);
  cle = CleTransformee(transformation);
  RestaureTaille();
}

std::string TJoseki::CodeCoin(const TPlateau& plateau) const {
  const int32_t S = tailleplus1;
  std::string cle;
  auto ajoute = [&](int32_t l, int32_t c) {
    if (l < 1 || c < 1 || l > TAILLEMAX || c > TAILLEMAX) return;
    AjouteCodeCase(cle, plateau, l, c);
  };
  for (int32_t i = 1; i <= regioncoin; ++i) {
    for (int32_t c = S - 1; c >= S - i; --c) ajoute(S - i, c);
    for (int32_t l = S - i + 1; l <= S - 1; ++l) ajoute(l, S - i);
  }
  return cle;
}

int TJoseki::SymetriesCadre(const TPlateau& cadre) {
  SauveTaille();
  FixeTaille(TAILLEMAX);
  const int masque = Symetries(cadre);
  RestaureTaille();
  return masque;
}

// ---- Geometry ------------------------------------------------------------------

void TJoseki::Recale(int32_t& ligne, int32_t& colonne) const {
  ligne = ligne - TAILLEMAX + taille;
  colonne = colonne - TAILLEMAX + taille;
}

void TJoseki::TourneCase(int32_t& ligne, int32_t& colonne, int angle) const {
  if (angle == 90) TransformeCase(2, ligne, colonne);
  else if (angle == 180) TransformeCase(4, ligne, colonne);
  else if (angle == 270) TransformeCase(6, ligne, colonne);
}

bool TJoseki::DansCoin(int32_t ligne, int32_t colonne, int coin) const {
  const int32_t R = regioncoin, N = taille;
  const bool haut = ligne >= 1 && ligne <= R, bas = ligne >= R && ligne <= N;
  const bool gauche = colonne >= 1 && colonne <= R, droite = colonne >= R && colonne <= N;
  switch (coin) {
    case 1: return haut && gauche;
    case 2: return bas && gauche;
    case 3: return bas && droite;
    case 4: return haut && droite;
    default: return false;
  }
}

// ---- Lookup ----------------------------------------------------------------------

void TJoseki::ReporteCoups(Requete& q, uint8_t couleur, const std::string& cle, int transformation) {
  static const int angles[5] = {0, 180, 90, 0, 270};  // the empty-corner line faces corner 3
  for (int i = 0; i < coups.Count(); ++i) {
    const TCoups* m = coups.Coup(i);
    int32_t r = m->ligne, c = m->colonne;
    Recale(r, c);
    if (!cle.empty()) TransformeInverse(transformation, r, c);
    else TourneCase(r, c, angles[q.coin]);
    // Bounds first: on a small board a frame move can land off the board.
    if (r < 1 || c < 1 || r > taille || c > taille) continue;
    if (q.plateau[indexcase(r, c)] != VIDE || !DansCoin(r, c, q.coin)) continue;
    uint8_t& octet = q.carte[indexcase(r, c)];
    if (q.reduit) octet |= JOSEKIREDUIT;
    octet |= m->couleur != couleur ? JOSEKIPOURAUTRE : JOSEKIPOURMOI;
    MarqueCoin(octet, q.coin);
    ++q.nombre;
    ReporteSymetrique(q, r, c);
  }
}

void TJoseki::ReporteSymetrique(Requete& q, int32_t ligne, int32_t colonne) {
  int axe = 0;
  if ((q.coin == 2 || q.coin == 4) && (q.masque & 4)) axe = 3;
  if ((q.coin == 1 || q.coin == 3) && (q.masque & 8)) axe = 4;
  if (axe == 0) return;
  int32_t r = ligne, c = colonne;
  CaseSymetrique(axe, r, c);
  if (r < 1 || c < 1 || r > taille || c > taille || q.plateau[indexcase(r, c)] != VIDE) return;
  q.carte[indexcase(r, c)] = q.carte[indexcase(ligne, colonne)];
  ++q.nombre;
}

void TJoseki::MarquePierresCoin(Requete& q, const TPlateau& plateau, int32_t r) {
  const bool bas = q.coin == 2 || q.coin == 3, droite = q.coin == 3 || q.coin == 4;
  for (int32_t i = 1; i <= r; ++i)
    for (int32_t j = 1; j <= r; ++j) {
      const int32_t l = bas ? taille - r + i : i, c = droite ? taille - r + j : j;
      if (l < 1 || c < 1 || l > taille || c > taille) continue;
      const uint8_t v = plateau[indexcase(l, c)];
      if (v == BLANC || v == NOIR) q.carte[indexcase(l, c)] = bitcoin(q.coin);
    }
}

// Shrinks the corner region from R0 down to 5 until its key has moves.
void TJoseki::RechercheReduite(Requete& q, const TPlateau& plateau, std::string cle, uint8_t couleur) {
  VideCoups();
  int32_t r = regioncoin;
  int t = 0;
  while (coups.Count() == 0 && !cle.empty() && r > 5) {
    --r;
    const TPlateau cadre = ExtraitCoin(plateau, q.coin, r);
    CleCoin(cadre, t, cle);
    q.masque = SymetriesCadre(cadre);
    Cherche(cle);
    if (coups.Count() > 0) MarquePierresCoin(q, plateau, r);
  }
  if (coups.Count() == 0) return;
  q.reduit = true;
  ReporteCoups(q, couleur, cle, t);
}

void TJoseki::CoupsSuggeres(uint8_t couleur, int32_t tailleplateau, int32_t& nombre, TMarques& carte,
                            const TPlateau& plateau) {
  // Size, empty map, colour-exchanged board.
  FixeTaille(tailleplateau);
  const int32_t N = taille, R0 = regioncoin;
  const uint8_t autre = static_cast<uint8_t>(1 - (couleur & 1));
  nombre = 0;
  carte.fill(0);
  TPlateau echange = plateau;
  for (int32_t r = 1; r <= N; ++r)
    for (int32_t c = 1; c <= N; ++c) {
      uint8_t& v = echange[indexcase(r, c)];
      if (v == BLANC || v == NOIR) v = static_cast<uint8_t>(1 - v);
    }
  // Every corner, on the board and on its colour-exchanged twin.
  for (int coin = 1; coin <= 4; ++coin) {
    Requete q{plateau, carte, nombre, coin};
    int t1 = 0, t2 = 0;
    std::string cle1, cle2;
    // The corner of `b` looked up by its frame's key: the moves known there
    // reported for `c`, the corner's stones marked.
    const auto cherchecoin = [&](const TPlateau& b, uint8_t c, int& t, std::string& cle) {
      const TPlateau cadre = ExtraitCoin(b, coin, R0);
      CleCoin(cadre, t, cle);
      q.masque = SymetriesCadre(cadre);
      Cherche(cle);
      if (coups.Count() == 0) return false;
      ReporteCoups(q, c, cle, t);
      MarquePierresCoin(q, b, R0);
      return true;
    };
    const bool trouve1 = cherchecoin(plateau, couleur, t1, cle1);
    const bool trouve2 = cherchecoin(echange, autre, t2, cle2);
    // Neither knew the corner: try smaller regions.
    if (!trouve1 && !trouve2) {
      RechercheReduite(q, plateau, cle1, couleur);
      RechercheReduite(q, echange, cle2, autre);
    }
  }
  // Count the marked empty points.
  nombre = 0;
  for (int32_t r = 1; r <= N; ++r)
    for (int32_t c = 1; c <= N; ++c)
      if (carte[indexcase(r, c)] != 0 && plateau[indexcase(r, c)] == VIDE) ++nombre;
}

// ---- Start-up and exit -----------------------------------------------------------

void chargejoseki(int32_t t) {
  liberejoseki();
  bibliojoseki = new TJoseki(t, t / 2 + 1);
  bibliojoseki->ChargeFlux(platform::donnee("JOSEKI"));
}

void liberejoseki() {
  delete bibliojoseki;
  bibliojoseki = nullptr;
}
