#include "records/sgf.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "records/messages.h"
#include "records/outils.h"
#include "records/rejeu.h"

namespace {

// Index of the "]" closing the group opened at `i` (backslash escapes
// skipped), or the text's size when the group is not closed.
size_t fermeture(const std::string& t, size_t i) {
  ++i;
  while (i < t.size() && t[i] != ']') i += t[i] == '\\' ? 2 : 1;
  return std::min(i, t.size());
}
// Index just past that group.
size_t finvaleur(const std::string& t, size_t i) { return std::min(fermeture(t, i) + 1, t.size()); }

// Takes the first bracketed group off `valeurs` and returns what is inside.
std::string prendvaleur(std::string& valeurs) {
  if (valeurs.empty() || valeurs[0] != '[') return {};
  const size_t ferme = fermeture(valeurs, 0);
  std::string v = valeurs.substr(1, ferme - 1);
  valeurs.erase(0, std::min(ferme + 1, valeurs.size()));
  return v;
}

std::string& champinfo(TGameInfo& info, const std::string& id) {
  if (id == "AN") return info.annotateur;
  if (id == "AP") return info.application;
  if (id == "BR") return info.rangnoir;
  if (id == "CP") return info.copyright;
  if (id == "DT") return info.date;
  if (id == "OT") return info.temps;
  if (id == "PB") return info.joueurnoir;
  if (id == "PC") return info.lieu;
  if (id == "PW") return info.joueurblanc;
  if (id == "RE") return info.resultat;
  if (id == "RU") return info.regles;
  if (id == "SO") return info.source;
  if (id == "US") return info.utilisateur;
  return info.rangblanc;  // WR
}

bool dans(const std::string& id, std::initializer_list<const char*> liste) {
  return std::any_of(liste.begin(), liste.end(), [&](const char* s) { return id == s; });
}

std::string lisfichier(const std::string& nom) {
  std::ifstream f(nom, std::ios::binary);
  if (!f) return {};
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

void TSgf::ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config) {
  // Start settings: 19x19 until the record says otherwise.
  config_ = config;
  nomfichier_ = nom;
  config_.taille = 19;
  taille_ = 19;
  haut_ = arbre.get();
  courant_ = haut_;
  if (!haut_) return;
  // The games of the file.
  std::vector<std::string> parties;
  const int n = CompteParties(lisfichier(nom), parties);
  if (n == 0) {
    affichemessage2(textelangue(255), nom);
    arbre.reset();
    haut_ = nullptr;
    return;
  }
  analysepartie(parties[0]);
  if (n > 1) affichemessage2(textelangue(254), std::to_string(n));
  // The settings read go back to the caller.
  config = config_;
}

int TSgf::CompteParties(const std::string& texte, std::vector<std::string>& parties) {
  int ouverts = 0, fermes = 0;
  size_t debut = 0;
  for (size_t i = 0; i < texte.size();) {
    const char c = texte[i];
    if (c == '[') {
      i = finvaleur(texte, i);
      continue;
    }
    if (c == '(') {
      ++ouverts;
    } else if (c == ')') {
      ++fermes;
      if (ouverts == fermes) {
        parties.push_back(texte.substr(debut, i + 1 - debut));
        debut = i + 1;
      }
    }
    ++i;
  }
  return static_cast<int>(parties.size());
}

void TSgf::analysepartie(const std::string& g) {
  // No opening bracket: the record is abandoned.
  size_t i = g.find('(');
  if (i == std::string::npos) {
    affichemessage(textelangue(263));
    abandon_ = true;
    config_.taille = 19;
    return;
  }
  // Variations on an explicit stack of the nodes they start from.
  std::vector<TArbre*> pile{haut_};
  courant_ = haut_;
  ++i;
  while (i < g.size() && !pile.empty()) {
    const char c = g[i];
    if (c == '(') {
      pile.push_back(courant_);
      ++i;
    } else if (c == ')') {
      courant_ = pile.back();
      pile.pop_back();
      ++i;
    } else if (c == ';') {
      size_t j = i + 1;
      while (j < g.size() && g[j] != '(' && g[j] != ')' && g[j] != ';') j = g[j] == '[' ? finvaleur(g, j) : j + 1;
      if (abandon_) break;
      courant_ = ajoutearbre(*courant_);
      courant_->donnees->nature = NOEUDNONTYPE;
      traitenoeud(g.substr(i + 1, j - i - 1));
      i = j;
    } else {
      ++i;
    }
  }
  // Replay, and the game information into the settings.
  RejoueArbre(noeudpartie_);
  if (noeudpartie_) copieinfos(noeudpartie_->donnees->infopartie, config_);
}

void TSgf::traitenoeud(const std::string& texte) {
  // Capitals outside values, values with their brackets.
  std::string f;
  for (size_t i = 0; i < texte.size();) {
    if (texte[i] == '[') {
      const size_t fin = finvaleur(texte, i);
      f.append(texte, i, fin - i);
      i = fin;
    } else {
      if (texte[i] >= 'A' && texte[i] <= 'Z') f += texte[i];
      ++i;
    }
  }
  for (size_t k = 0; k < f.size();) {
    std::string id;
    while (k < f.size() && f[k] != '[') id += f[k++];
    std::string valeurs;
    if (k >= f.size()) {
      affichemessage(textelangue(263));
    } else {
      while (k < f.size() && f[k] == '[') {
        const size_t fin = finvaleur(f, k);
        valeurs.append(f, k, fin - k);
        k = fin;
      }
    }
    TraitePropriete(id, valeurs, courant_);
    // A game root stays move 0, so that its first move is move 1.
    if (courant_->pere && courant_->donnees->nature != NOEUDPARTIE)
      courant_->donnees->numcoup = courant_->pere->donnees->numcoup + 1;
  }
}

void TSgf::faitracine(TArbre& noeud) {
  noeud.donnees->nature = NOEUDPARTIE;
  noeudpartie_ = &noeud;
}

void TSgf::litpoint(const std::string& v, int32_t& ligne, int32_t& colonne, bool marque) {
  pointdeuxlettres(v, 'a', taille_, ligne, colonne, marque ? 263 : 283, marque ? 0 : 283);
}

void TSgf::TraitePropriete(const std::string& id, std::string& valeurs, TArbre*& courant) {
  // Game root rule.
  const bool jeu = dans(id, {"B", "W", "AB", "AW", "AE"});
  if (jeu && courant->donnees->nature == NOEUDNONTYPE && courant->pere == haut_) {
    faitracine(*courant);
    config_.taille = 19;
    courant->donnees->infopartie.taille = 19;
    taille_ = 19;
  }
  if (courant->donnees->nature == NOEUDNONTYPE &&
      dans(id, {"AN", "AP", "BR", "CA", "CP", "DT", "FF", "GM", "HA", "OT", "PB", "PC", "PW", "RE", "RU", "SO",
                "ST", "SZ", "US", "WR"}))
    faitracine(*courant);
  TGameInfo* info = noeudpartie_ ? &noeudpartie_->donnees->infopartie : nullptr;
  // The marks of one kind, every value a point.
  auto marques = [&](uint8_t genre) {
    while (!valeurs.empty()) {
      int32_t l, c;
      litpoint(prendvaleur(valeurs), l, c, true);
      ajoutecoupdonnees(*courant->donnees, l, c, genre);
    }
  };

  if (id == "B" || id == "W") {
    const bool noir = id == "B";
    const uint8_t n = courant->donnees->nature;
    if (n == (noir ? NOEUDBLANC : NOEUDNOIR) || n == NOEUDPOSE || n == NOEUDPARTIE) courant = ajoutearbre(*courant);
    TDonnees& d = *courant->donnees;
    d.nature = noir ? NOEUDNOIR : NOEUDBLANC;
    int32_t l, c;
    litpoint(prendvaleur(valeurs), l, c, false);
    ecritcoup(l, c, noir ? NOIR : BLANC, d.coup);
    if (courant->pere) d.numcoup = courant->pere->donnees->numcoup + 1;
  } else if (id == "AB" || id == "AW" || id == "AE") {
    if (courant->donnees->nature == NOEUDNONTYPE) {
      courant->donnees->nature = NOEUDPOSE;
    } else if (courant->donnees->nature != NOEUDPOSE) {
      courant = ajoutearbre(*courant);
      courant->donnees->nature = NOEUDPOSE;
    }
    const uint8_t couleur = id == "AB" ? NOIR : id == "AW" ? BLANC : VIDE;
    while (!valeurs.empty()) {
      int32_t l, c;
      litpoint(prendvaleur(valeurs), l, c, false);
      courant->donnees->poses.AjouteCoup(l, c, couleur);
    }
  } else if (dans(id, {"AN", "AP", "BR", "CP", "DT", "OT", "PB", "PC", "PW", "RE", "RU", "SO", "US", "WR"})) {
    const std::string v = prendvaleur(valeurs);
    if (info) champinfo(*info, id) = v;
  } else if (id == "GN") {
    courant->donnees->infopartie.nompartie = prendvaleur(valeurs);
  } else if (id == "C") {
    const std::string brut = prendvaleur(valeurs);
    std::string v;
    for (size_t i = 0; i < brut.size(); ++i) {
      if (brut[i] == '\\') {
        if (++i >= brut.size()) break;
      }
      v += brut[i];
    }
    std::string ligne;
    for (char ch : v + '\n') {
      if (ch == '\r' || ch == '\n') {
        if (!ligne.empty()) courant->donnees->commentaires.push_back(ligne);
        ligne.clear();
      } else {
        ligne += ch;
      }
    }
  } else if (id == "FF") {
    if (const auto f = litentier(prendvaleur(valeurs))) formatfichier_ = *f;
  } else if (id == "GM") {
    courant->donnees->infopartie.taille = 19;
    if (prendvaleur(valeurs) != "1") {
      affichemessage(textelangue(284));
      abandon_ = true;
    }
  } else if (id == "HA") {
    const std::string v = supprimeespaces(prendvaleur(valeurs));
    const auto h = estnombre(v) ? litentier(v) : std::nullopt;
    if (h) {
      if (info) info->handicap = v;
      config_.handicap = *h;
    } else {
      if (info) info->handicap = "0";
      config_.handicap = 0;
      affichemessage(textelangue(285));
    }
  } else if (id == "KM") {
    const std::string v = prendvaleur(valeurs);
    courant->donnees->infopartie.komi = v;
    if (const auto k = litreel(v)) {
      config_.komi = *k;
    } else {
      config_.komi = 0.0;
      affichemessage(textelangue(286));
    }
  } else if (id == "SZ") {
    const std::string v = supprimeespaces(prendvaleur(valeurs));
    int32_t t = estnombre(v) ? litentier(v).value_or(0) : 0;
    if (t != 9 && t != 11 && t != 13 && t != 15 && t != 17 && t != 19) {
      t = 19;
      affichemessage(textelangue(287));
    }
    config_.taille = t;
    if (info) info->taille = t;
    taille_ = t;
  } else if (id == "BM" || id == "TE") {
    (id == "BM" ? courant->donnees->mauvaiscoup : courant->donnees->tesuji) = 1;
    prendvaleur(valeurs);
  } else if (dans(id, {"CA", "PL", "ST", "SY"})) {
    prendvaleur(valeurs);
  } else if (id == "L") {
    for (int k = 0; !valeurs.empty(); ++k) {
      int32_t l, c;
      litpoint(prendvaleur(valeurs), l, c, true);
      ajoutemarquedonnees(*courant->donnees, l, c, std::string(1, static_cast<char>('a' + k % 26)));
    }
  } else if (id == "LB") {
    while (!valeurs.empty()) {
      const std::string v = prendvaleur(valeurs);
      const size_t deux = v.find(':');
      const std::string point = v.substr(0, deux);
      const std::string texte = deux == std::string::npos ? std::string() : v.substr(deux + 1);
      if (point.empty() || texte.empty()) continue;
      int32_t l, c;
      litpoint(point, l, c, true);
      ajoutemarquedonnees(*courant->donnees, l, c, texte);
    }
  } else if (id == "M" || id == "TR") {
    marques(2);
  } else if (id == "MA") {
    marques(5);
  } else if (id == "SL") {
    marques(4);
  } else if (id == "SQ") {
    marques(0);
  } else if (id == "ZA") {
    marques(3);
  } else if (id == "CR") {
    while (!valeurs.empty()) {
      const std::string v = prendvaleur(valeurs);
      const size_t deux = v.find(':');
      int32_t l1, c1;
      litpoint(v.substr(0, deux), l1, c1, true);
      if (deux == std::string::npos) {
        ajoutecoupdonnees(*courant->donnees, l1, c1, 6);
        continue;
      }
      int32_t l2, c2;
      litpoint(v.substr(deux + 1), l2, c2, true);
      if (l1 == l2 && c1 == c2) continue;
      // Rows from the first corner's, columns from the second corner's.
      for (int32_t l = l1; l <= l2; ++l)
        for (int32_t c = c2; c <= c1; ++c) ajoutecoupdonnees(*courant->donnees, l, c, 6);
    }
  } else {
    valeurs.clear();
  }
}

void TSgf::RejoueArbre(TArbre* noeud) {
  if (!noeud) {
    affichemessage2(textelangue(282), nomfichier_);
    return;
  }
  TRejeu regle;
  regle.taille = config_.taille;
  regle.coupillegal = [](TArbre& n, bool) {
    affichemessage3(textelangue(281), std::to_string(n.donnees->coup.ligne), std::to_string(n.donnees->coup.colonne));
    return true;
  };
  rejouearbre(noeud, regle);
}
