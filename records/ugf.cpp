#include "records/ugf.h"

#include <fstream>

#include "records/jpeg.h"
#include "records/messages.h"
#include "records/outils.h"
#include "records/rejeu.h"

namespace {

// Key and value of a "key=value" line (the value after the first "=").
void cle(const std::string& ligne, std::string& k, std::string& v) {
  const size_t egal = ligne.find('=');
  k = ligne.substr(0, egal);
  v = egal == std::string::npos ? std::string() : ligne.substr(egal + 1);
}

std::string champ(const std::string& v, int n) { return motnumerosep(v, n, static_cast<int>(v.size()), ','); }
// The text after the first ",", empty without one.
std::string apresvirgule(const std::string& v) {
  const size_t i = v.find(',');
  return i == std::string::npos ? std::string() : v.substr(i + 1);
}

std::string resultat(const std::string& v) {
  std::string r;
  switch (v[0]) {
    case 'A': r = "Void"; break;
    case 'B': r = "B+"; break;
    case 'D': r = "Draw"; break;
    case 'W': r = "W+"; break;
    default: r = "?";
  }
  const std::string suite = v.substr(2);
  if (estnombresigne(suite)) r += virguleenpoint(suite);
  else if (suite == "C") r += "Resign";
  else if (suite == "T") r += "Time";
  return r;
}

}  // namespace

void TUGF::ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config) {
  haut_ = arbre.get();
  if (!haut_) return;
  // Settings and the file's lines.
  // Until a Size line, the caller's board size, or 19 when it holds none;
  // the record handed back says the size the game was read on.
  config_ = config;
  taille_ = config_.taille = config.taille >= 2 && config.taille <= TAILLEMAX ? config.taille : 19;
  std::ifstream f(nom, std::ios::binary);
  if (!f) affichemessage2(textelangue(4), nom);
  for (std::string l; std::getline(f, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    texte_.push_back(l);
  }
  // The game node.
  racine_ = ajoutearbre(*haut_);
  racine_->donnees->nature = NOEUDPARTIE;
  courant_ = racine_;
  // The sections; a rejected file leaves an empty tree.
  LitSections();
  if (rejete_) {
    haut_->premierfils.reset();
    return;
  }
  // Tree and settings.
  ConstruitArbre();
  config = config_;
}

void TUGF::LitSections() {
  enum { AUCUNE, ENTETE, DONNEES, DISTANT, FICHIERS } section = AUCUNE;
  for (const std::string& l : texte_) {
    if (rejete_) return;
    if (l.empty()) continue;
    if (l[0] == '[') {
      const std::string s = l.substr(0, l.find_last_not_of(' ') + 1);
      section = s == "[Header]" ? ENTETE : s == "[Data]" ? DONNEES : s == "[Remote]" ? DISTANT
                                                                       : s == "[Files]" ? FICHIERS : AUCUNE;
      continue;
    }
    switch (section) {
      case ENTETE: LitEntete(l); break;
      case DONNEES: LitDonnees(l); break;
      case DISTANT: LitDistant(l); break;
      case FICHIERS: LitFichiers(l); break;
      case AUCUNE: break;
    }
  }
}

void TUGF::LitEntete(const std::string& ligne) {
  std::string k, v;
  cle(ligne, k, v);
  TGameInfo& info = racine_->donnees->infopartie;
  auto texte = [&](std::string& i, int n, const std::string& t) {
    i = t;
    config_.infopartie[n] = t;
  };
  if (k == "Comment") {
    texte(info.annotateur, 0, v);
  } else if (k == "Copyright") {
    texte(info.copyright, 13, v);
  } else if (k == "Date") {
    std::string d = champ(v, 1);
    for (char& c : d)
      if (c == '/') c = '-';
    texte(info.date, 2, d);
  } else if (k == "Hdcp") {
    const std::string h = champ(v, 1);
    config_.handicap = estnombre(h) ? litentier(h).value_or(0) : 0;
    info.handicap = std::to_string(config_.handicap);
    const std::string km = apresvirgule(v);
    config_.komi = estnombresigne(km) ? litreel(km).value_or(0.0) : 0.0;
    info.komi = reelentexte(config_.komi);
  } else if (k == "Place") {
    texte(info.lieu, 3, v);
  } else if (k == "PlayerB" || k == "PlayerW") {
    const bool noir = k == "PlayerB";
    // A rank only after a comma.
    const std::string rang = v.find(',') == std::string::npos ? std::string() : champ(v, 2);
    texte(noir ? info.joueurnoir : info.joueurblanc, noir ? 1 : 10, champ(v, 1));
    texte(noir ? info.rangnoir : info.rangblanc, noir ? 4 : 5, rang);
  } else if (k == "Rule") {
    if (v == "JPN" || v == "CH") {
      config_.regle = v == "JPN" ? 0 : 2;
      info.regles = v == "JPN" ? "Japanese" : "Chinese";
    }
  } else if (k == "Size") {
    const auto t = estnombre(v) ? litentier(v) : std::nullopt;
    if (!t || *t < 2 || *t > TAILLEMAX) {
      affichemessage(textelangue(287));
      rejete_ = true;
      return;
    }
    taille_ = config_.taille = info.taille = *t;
  } else if (k == "Title") {
    texte(info.nompartie, 11, v);
  } else if (k == "Winner") {
    if (v.size() > 2) texte(info.resultat, 7, resultat(v));
  } else if (k == "Writer") {
    const std::string qui = champ(v, 1);
    if (qui != "B" && qui != "W" && qui != "D") {
      info.resultat = v;
      return;
    }
    std::string r = qui == "B" ? "B+" : qui == "W" ? "W+" : "Draw";
    const std::string comment = apresvirgule(v);
    if (comment == "T") r += "Time";
    else if (comment == "C") r += "Resign";
    else if (estnombresigne(comment)) r += comment;
    info.resultat = r;
  }
}

void TUGF::LitDonnees(const std::string& ligne) {
  int32_t l, c;
  coordonneesugf(champ(ligne, 1), taille_, l, c);
  const std::string couleur = champ(ligne, 2);
  if (champ(ligne, 3) != "0") {
    if (couleur.empty() || (couleur[0] != 'B' && couleur[0] != 'W')) return;
    const bool noir = couleur[0] == 'B';
    courant_ = ajoutearbre(*courant_);
    courant_->donnees->nature = noir ? NOEUDNOIR : NOEUDBLANC;
    ecritcoup(l, c, noir ? NOIR : BLANC, courant_->donnees->coup);
    return;
  }
  if (courant_->donnees->nature != NOEUDPOSE) {
    courant_ = ajoutearbre(*courant_);
    courant_->donnees->nature = NOEUDPOSE;
  }
  courant_->donnees->poses.AjouteCoup(l, c, !couleur.empty() && couleur[0] == 'B' ? NOIR : BLANC);
}

void TUGF::LitDistant(const std::string& ligne) {
  std::string k, v;
  cle(ligne, k, v);
  if (k == "PhotoB") photonoir_ = v;
  else if (k == "PhotoW") photoblanc_ = v;
  else if (k == "AdvertisingIcon") iconepub_ = v;
  else if (k == "AdvertisingPage") pagepub_ = config_.pagepub = v;
}

void TUGF::LitFichiers(const std::string& ligne) {
  std::string k, v;
  cle(ligne, k, v);
  if (k.empty() || v.empty()) return;
  // One entry may be named for several pictures: each of them gets it.
  if (k != photonoir_ && k != photoblanc_ && k != iconepub_) return;
  std::vector<uint8_t> octets(v.size() / 2);
  for (size_t i = 0; i < octets.size(); ++i)
    octets[i] = static_cast<uint8_t>(chiffrehexa(v[2 * i]) * 16 + chiffrehexa(v[2 * i + 1]));
  const std::shared_ptr<const TImage> image = decodejpeg(octets.data(), octets.size());
  if (k == photonoir_) config_.photonoir = image;
  if (k == photoblanc_) config_.photoblanc = image;
  if (k == iconepub_) config_.iconepub = image;
}

void TUGF::ConstruitArbre() {
  TRejeu regle;
  regle.taille = taille_;
  // A setup between moves keeps the move count going.
  regle.numerotetous = true;
  regle.coupillegal = [](TArbre& n, bool) {
    affichemessage3(textelangue(281), std::to_string(n.donnees->coup.ligne), std::to_string(n.donnees->coup.colonne));
    return true;
  };
  rejouearbre(haut_, regle);
}
