#include "records/chargement.h"

#include "records/ght.h"
#include "records/ishi.h"
#include "records/outils.h"
#include "records/recueil.h"
#include "records/sgf.h"
#include "records/ugf.h"

namespace {
std::string extension(const std::string& nom) {
  const size_t i = nom.rfind('.');
  return i == std::string::npos ? std::string() : majuscules(nom.substr(i + 1));
}
}  // namespace

bool estsgf(const std::string& nom) {
  const std::string e = extension(nom);
  return e == "SGF" || e == "MGT";
}
bool estgo(const std::string& nom) { return extension(nom) == "GO"; }
bool estght(const std::string& nom) { return extension(nom) == "GHT"; }
bool estpro(const std::string& nom) { return extension(nom) == "PRO"; }
bool estugf(const std::string& nom) {
  const std::string e = extension(nom);
  return e == "UGF" || e == "UGI";
}

void elaguepasses(TArbre* noeud, TConfig config) {
  const int32_t limite = config.limitepasses;
  if (limite <= 0) return;
  // One counter for the whole walk, variations included.
  int32_t compteur = 0;
  parcourslignes(
      noeud,
      [&](TArbre& n) {
        const TDonnees& d = *n.donnees;
        if (d.nature == NOEUDNOIR || d.nature == NOEUDBLANC)
          compteur = (d.coup.ligne == 0 || d.coup.colonne == 0) ? compteur + 1 : 0;
        if (compteur == limite && n.premierfils) detachearbre(n.premierfils.get());
        return true;
      },
      [](TArbre&) {});
}

void chargepartie(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config) {
  // A fresh tree.
  arbre = std::make_unique<TArbre>();
  // Each reader but the collection's is followed by the pruning.
  // The pass limit is the caller's, whatever record a reader hands back.
  const int32_t limite = config.limitepasses;
  auto elague = [&] {
    config.limitepasses = limite;
    if (arbre) elaguepasses(arbre.get(), config);
  };
  if (estsgf(nom)) {
    TSgf lecteur;
    lecteur.ChargeFichier(nom, arbre, config);
    elague();
  }
  if (estgo(nom)) {
    Tishi lecteur;
    lecteur.ChargeFichier(nom, arbre, config);
    elague();
  }
  if (estght(nom)) {
    THTConv lecteur;
    lecteur.ChargeFichier(nom, arbre, config);
    elague();
  }
  if (estpro(nom)) {
    TRecueil lecteur;
    lecteur.ChargeFichier(nom, arbre);
  }
  if (estugf(nom)) {
    TUGF lecteur;
    lecteur.ChargeFichier(nom, arbre, config);
    elague();
  }
}
