#include "records/ght.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "records/messages.h"
#include "records/outils.h"
#include "records/rejeu.h"

namespace {

// A text field: raw bytes up to the first zero; empty when its first byte is 28.
std::string champ(const std::vector<uint8_t>& o, size_t debut, size_t longueur) {
  if (o[debut] == 28) return {};
  std::string s;
  for (size_t i = debut; i < debut + longueur && o[i] != 0; ++i) s += static_cast<char>(o[i]);
  return s;
}

// The handicap points (row, column) for 1 to 9 stones; none beyond 9.
std::vector<std::pair<int32_t, int32_t>> pointshandicap(int32_t n, int32_t taille) {
  const int32_t l = taille == 9 || taille == 11 ? 3 : 4;
  const int32_t f = taille - l + 1;
  const int32_t m = taille / 2 + 1;
  std::vector<std::pair<int32_t, int32_t>> p;
  if (n < 1 || n > 9) return p;
  p.emplace_back(l, l);
  if (n >= 2) p.emplace_back(f, f);
  if (n >= 3) p.emplace_back(l, f);
  if (n >= 4) p.emplace_back(f, l);
  if (n == 5 || n == 7 || n == 9) p.emplace_back(m, m);
  if (n >= 6) {
    p.emplace_back(l, m);
    p.emplace_back(f, m);
  }
  if (n >= 8) {
    p.emplace_back(m, l);
    p.emplace_back(m, f);
  }
  return p;
}

}  // namespace

void THTConv::ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config) {
  // Settings; no tree, no game.
  haut_ = arbre.get();
  config_ = config;
  if (!haut_) {
    affichemessage2(textelangue(254), "0");
    return;
  }
  std::ifstream f(nom, std::ios::binary);
  std::vector<uint8_t> o;
  if (f) o.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  if (!f.is_open() || o.size() < TAILLEENTETE) {
    affichemessage2(textelangue(4), nom);
    return;
  }
  // The header; a board outside 2..19 rejects the file.
  nompartie_ = champ(o, 0, 16);
  noir_ = champ(o, 20, 14);
  blanc_ = champ(o, 34, 14);
  for (int i = 0; i < 3; ++i) date_[i] = o[16 + static_cast<size_t>(i)];
  regle_ = o[48];
  handicap_ = o[50];
  const uint8_t code = o[51];
  taille_ = code == 4 ? 9 : code == 6 ? 13 : code == 9 ? 19 : code;
  komi_ = o[53];
  if (taille_ < 2 || taille_ > TAILLEMAX) {
    affichemessage(textelangue(287));
    return;
  }
  TArbre* racine = ajoutearbre(*haut_);
  racine->donnees->nature = NOEUDPARTIE;
  TGameInfo& info = racine->donnees->infopartie;
  info.joueurnoir = config.nomnoir() = noir_;
  info.joueurblanc = config.nomblanc() = blanc_;
  info.nompartie = config.infopartie[11] = nompartie_;
  info.taille = config.taille = taille_;
  info.date = config.infopartie[2] =
      std::to_string(date_[0]) + "-" + std::to_string(date_[1]) + "-" + std::to_string(date_[2]);
  char komi[16];
  std::snprintf(komi, sizeof komi, "%d.%d", komi_ / 2, komi_ % 2 ? 5 : 0);
  info.komi = komi;
  config.komi = litreel(info.komi).value_or(0.0);
  if (regle_ <= 2) {
    info.regles = regle_ == 0 ? textelangue(134) : regle_ == 1 ? std::string("GOE") : textelangue(135);
    config.regle = regle_;
  }
  // Handicap stones in a setup node.
  TArbre* precedent = racine;
  if (handicap_ > 0) {
    info.handicap = std::to_string(handicap_);
    config.handicap = handicap_;
    precedent = ajoutearbre(*racine);
    precedent->donnees->nature = NOEUDPOSE;
    for (const auto& [l, c] : pointshandicap(handicap_, taille_))
      if (l >= 1 && l <= taille_ && c >= 1 && c <= taille_) precedent->donnees->poses.AjouteCoup(l, c, NOIR);
  }
  // Move records; an odd last byte is not one.
  const int32_t decalage = taille_ == 9 ? 5 : taille_ == 13 ? 3 : 0;
  for (size_t i = TAILLEENTETE; i + 1 < o.size(); i += 2) {
    int32_t p = o[i];
    int32_t drapeaux = o[i + 1];
    if (drapeaux & 1) {
      p += 256;
      drapeaux &= ~1;
    }
    if (drapeaux != 16 && drapeaux != 32) continue;
    const bool noir = drapeaux == 32;
    int32_t ligne = p % 20 - decalage;
    int32_t colonne = taille_ + decalage - p / 20;
    if (p == 0 || ligne < 1 || ligne > taille_ || colonne < 1 || colonne > taille_) ligne = colonne = 0;
    precedent = ajoutearbre(*precedent);
    TDonnees& d = *precedent->donnees;
    d.nature = noir ? NOEUDNOIR : NOEUDBLANC;
    ecritcoup(ligne, colonne, noir ? NOIR : BLANC, d.coup);
    d.numcoup = ++compteur_;
  }
  // Replay.
  TRejeu regle;
  regle.taille = taille_;
  regle.coupillegal = [](TArbre& n, bool) {
    const std::string v = vertexentexte(n.donnees->coup.ligne, n.donnees->coup.colonne);
    affichemessage3(textelangue(265), v.substr(0, 1), std::to_string(n.donnees->coup.colonne));
    return true;
  };
  rejouearbre(haut_, regle);
}
