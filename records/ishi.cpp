#include "records/ishi.h"

#include <algorithm>
#include <fstream>

#include "records/messages.h"
#include "records/outils.h"
#include "records/rejeu.h"

namespace {

bool dans(const std::string& mot, std::initializer_list<const char*> liste) {
  return std::any_of(liste.begin(), liste.end(), [&](const char* s) { return mot == s; });
}

// Tabs to spaces, leading spaces off, keyword in upper case.
std::string normalise(const std::string& brut) {
  std::string t = supprimeespacesdebut(tabulationenespace(brut));
  const size_t fin = std::min(t.find(' '), t.size());
  return majuscules(t.substr(0, fin)) + t.substr(fin);
}

std::string motcle(const std::string& ligne) { return majuscules(motnumero(ligne, 1, static_cast<int>(ligne.size()))); }

// The line without its keyword and the spaces after it.
std::string reste(const std::string& ligne) {
  const size_t i = ligne.find(' ');
  return i == std::string::npos ? std::string() : supprimeespacesdebut(ligne.substr(i));
}

std::string* champentete(TGameInfo& info, const std::string& mot) {
  if (mot == "ANALYSIS") return &info.annotateur;
  if (mot == "BLACK") return &info.joueurnoir;
  if (mot == "DATE") return &info.date;
  if (mot == "HANDICAP") return &info.handicap;
  if (mot == "KOMI") return &info.komi;
  if (mot == "PLACE") return &info.lieu;
  if (mot == "RECORDER") return &info.utilisateur;
  if (mot == "RESULT") return &info.resultat;
  if (mot == "RULES") return &info.regles;
  if (mot == "SOURCE") return &info.source;
  if (mot == "TIMELIMIT") return &info.temps;
  if (mot == "WHITE") return &info.joueurblanc;
  return nullptr;
}

bool estcoup(const TDonnees& d) {
  return (d.nature == NOEUDNOIR || d.nature == NOEUDBLANC) && d.coup.ligne != 0 && d.coup.colonne != 0;
}

}  // namespace

void Tishi::corrompu(int numero) { affichemessage3(textelangue(253), nomfichier_, std::to_string(numero)); }

void Tishi::ChargeFichier(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config) {
  nomfichier_ = nom;
  haut_ = arbre.get();
  config_ = TConfig{};
  config_.taille = 19;
  if (!haut_) return;
  // Lines, normalised outside the COM and USER blocks.
  std::vector<Ligne> lignes;
  {
    std::ifstream f(nom, std::ios::binary);
    std::string brut;
    int numero = 0;
    std::string bloc;
    while (std::getline(f, brut)) {
      ++numero;
      if (!brut.empty() && brut.back() == '\r') brut.pop_back();
      const std::string n = normalise(brut);
      const std::string mot = motcle(n);
      if (!bloc.empty()) {
        if (brut.empty()) continue;
        if (mot == "END" + bloc) {
          lignes.push_back({n, mot, numero});
          bloc.clear();
        } else {
          lignes.push_back({brut, "", numero});
        }
        continue;
      }
      if (n.empty()) continue;
      lignes.push_back({n, mot, numero});
      if (mot == "COM" || mot == "USER") bloc = mot;
    }
  }
  // Games: an EVENT line is supplied before a headless first game.
  auto premierevent = std::find_if(lignes.begin(), lignes.end(), [](const Ligne& l) { return l.motcle == "EVENT"; });
  auto premierjeu = std::find_if(lignes.begin(), premierevent, [](const Ligne& l) {
    return dans(l.motcle, {"BOARDSIZE", "SETUP", "B", "W", "DIAGRAM", "COM", "MARKS", "ANALYSIS", "BLACK", "WHITE",
                           "DATE", "HANDICAP", "KOMI", "PLACE", "RECORDER", "RESULT", "RULES", "SOURCE",
                           "TIMELIMIT", "USER"});
  });
  if (premierjeu != premierevent) lignes.insert(premierjeu, Ligne{"EVENT", "EVENT", premierjeu->numero});
  std::vector<size_t> events;
  for (size_t i = 0; i < lignes.size(); ++i)
    if (lignes[i].motcle == "EVENT") events.push_back(i);
  const int parties = static_cast<int>(events.size());
  if (parties > 0) {
    size_t debut = events[0];
    while (debut > 0 && lignes[debut - 1].motcle == "REMARK") --debut;
    size_t fin = parties > 1 ? events[1] : lignes.size();
    if (parties > 1)
      while (fin > events[0] + 1 && lignes[fin - 1].motcle == "REMARK") --fin;
    const std::vector<Ligne> partie(lignes.begin() + static_cast<std::ptrdiff_t>(debut),
                                    lignes.begin() + static_cast<std::ptrdiff_t>(fin));
    TArbre* entete = ajoutearbre(*haut_);
    entete->donnees->nature = NOEUDPARTIE;
    construit(partie, *entete);
    // Settings from the game information; a board outside 2..19
    // rejects the file.
    const TGameInfo& info = entete->donnees->infopartie;
    if (info.taille < 2 || info.taille > TAILLEMAX) {
      affichemessage(textelangue(287));
      haut_->premierfils.reset();
      return;
    }
    config_.taille = info.taille;
    config_.handicap = litentier(info.handicap).value_or(0);
    copieinfos(info, config_);
    config_.komi = info.komi.empty() ? 0.0 : litreel(info.komi).value_or(0.0);
    // Replay, with the marks read on the way.
    TRejeu regle;
    regle.taille = config_.taille;
    regle.numerotetous = true;
    regle.coupillegal = [this](TArbre&, bool occupe) {
      affichemessage2(textelangue(255), nomfichier_);
      return occupe;
    };
    regle.noeudatteint = [this](TArbre& n, const TPlateau& p) { marques(n, p); };
    rejouearbre(entete, regle);
  }
  // More than one game: say how many.
  if (parties > 1) affichemessage2(textelangue(254), std::to_string(parties));
  // The settings read go back to the caller.
  config = config_;
}

void Tishi::construit(const std::vector<Ligne>& lignes, TArbre& entete) {
  TArbre* courant = &entete;
  std::vector<TArbre*> variations;
  bool tete = true;         // still in the header
  bool posesuivie = false;  // the previous line was a SETUP line
  std::string bloc;
  bool premierevent = true;
  for (const Ligne& l : lignes) {
    TDonnees& d = *courant->donnees;
    if (!bloc.empty()) {
      if (l.motcle == "END" + bloc) {
        bloc.clear();
      } else {
        (bloc == "COM" ? d.commentaires : d.lignesutilisateur).push_back(l.texte);
      }
      continue;
    }
    const std::string& mot = l.motcle;
    const bool pose = mot == "SETUP";
    if (mot == "EVENT" && premierevent) {
      premierevent = false;
      entete.donnees->evenement = reste(l.texte);
      entete.donnees->infopartie.taille = 19;
    } else if (std::string* champ = tete ? champentete(entete.donnees->infopartie, mot) : nullptr) {
      *champ = reste(l.texte);
    } else if (mot == "BOARDSIZE" && tete) {
      entete.donnees->infopartie.taille = litentier(motnumero(l.texte, 2, 0)).value_or(0);
    } else if (mot == "REMARK") {
      d.remarques.push_back(reste(l.texte));
    } else if (mot == "COM" || mot == "USER") {
      bloc = mot;
    } else if (mot == "B" || mot == "W") {
      tete = false;
      courant = ajoutearbre(*courant);
      TDonnees& c = *courant->donnees;
      c.nature = mot == "B" ? NOEUDNOIR : NOEUDBLANC;
      int32_t ligne, colonne;
      lirevertex(motnumero(l.texte, 3, 0), ligne, colonne);
      ecritcoup(ligne, colonne, mot == "B" ? NOIR : BLANC, c.coup);
    } else if (pose) {
      tete = false;
      if (!posesuivie || d.nature != NOEUDPOSE) {
        courant = ajoutearbre(*courant);
        courant->donnees->nature = NOEUDPOSE;
      }
      int couleur = -1;
      for (int k = 2;; ++k) {
        const std::string m = majuscules(motnumero(l.texte, k, 0));
        if (m.empty()) break;
        if (m == "B" || m == "W") {
          couleur = m == "B" ? NOIR : BLANC;
        } else if (couleur >= 0) {
          int32_t ligne, colonne;
          lirevertex(m, ligne, colonne);
          if (ligne && colonne) courant->donnees->poses.AjouteCoup(ligne, colonne, static_cast<uint8_t>(couleur));
        }
      }
    } else if (mot == "PRISONER") {
      // Kept by the file for its own readers; nothing to do here.
    } else if (mot == "MARK") {
      d.lignesmarques.push_back(l.texte);
    } else if (mot == "MARKS") {
      // Accepted among the moves; only MARK lines carry marks.
    } else if (mot == "DIAGRAM") {
      tete = false;
      courant = ajoutearbre(*courant);
      courant->donnees->nature = NOEUDDIAGRAMME;
    } else if (mot == "VAR") {
      tete = false;
      if (courant == &entete || !courant->pere) {
        corrompu(l.numero);
      } else {
        variations.push_back(courant);
        courant = courant->pere;
      }
    } else if (mot == "ENDVAR") {
      if (variations.empty()) {
        corrompu(l.numero);
      } else {
        courant = variations.back();
        variations.pop_back();
      }
    } else if (mot == "FINI") {
      break;
    } else {
      corrompu(l.numero);
    }
    posesuivie = pose;
  }
}

void Tishi::marques(TArbre& noeud, const TPlateau& plateau) {
  TDonnees& d = *noeud.donnees;
  if (d.lignesmarques.empty()) return;
  // The line: from the node up to the game root.
  std::vector<const TArbre*> ligne;
  for (const TArbre* n = &noeud; n; n = n->pere) {
    ligne.push_back(n);
    if (n->donnees->nature == NOEUDPARTIE) break;
  }
  const int32_t taille = config_.taille;
  auto surplateau = [&](int32_t l, int32_t c) { return l >= 1 && l <= taille && c >= 1 && c <= taille; };
  auto numerote = [&](auto&& retenu) {
    for (const TArbre* n : ligne) {
      const TDonnees& m = *n->donnees;
      if (estcoup(m) && surplateau(m.coup.ligne, m.coup.colonne) && retenu(m))
        ajoutemarquedonnees(d, m.coup.ligne, m.coup.colonne, std::to_string(m.numcoup));
    }
  };
  for (const std::string& texte : d.lignesmarques) {
    for (int k = 2;; ++k) {
      const std::string item = motnumero(texte, k, 0);
      if (item.empty()) break;
      const size_t arobase = item.find('@');
      if (item == "ALL") {
        numerote([&](const TDonnees& m) {
          return plateau[indexcase(m.coup.ligne, m.coup.colonne)] == m.coup.couleur;
        });
      } else if (item[0] == '#') {
        const std::string nombres = item.substr(1);
        const size_t tiret = nombres.find('-', 1);
        const auto a = litentier(nombres.substr(0, tiret));
        const auto b = tiret == std::string::npos ? a : litentier(nombres.substr(tiret + 1));
        if (!a || !b) continue;
        numerote([&](const TDonnees& m) { return m.numcoup >= *a && m.numcoup <= *b; });
      } else if (arobase != std::string::npos) {
        int32_t l, c;
        lirevertex(item.substr(arobase + 1), l, c);
        if (!surplateau(l, c)) continue;
        if (item[0] == '\\') {
          if (arobase != 2) continue;
          const char forme = item[1];
          const uint8_t genre = forme == 'C' ? 4 : forme == 'D' ? 3 : forme == 'S' ? 0 : forme == 'T' ? 2 : 5;
          ajoutecoupdonnees(d, l, c, genre);
        } else if (arobase > 0) {
          std::string libelle(1, item[0]);
          if (item[1] != '@') libelle += item[1];
          ajoutemarquedonnees(d, l, c, libelle);
        }
      } else {
        int32_t l, c;
        lirevertex(item, l, c);
        if (!surplateau(l, c)) continue;
        numerote([&](const TDonnees& m) { return m.coup.ligne == l && m.coup.colonne == c; });
      }
    }
  }
  d.lignesmarques.clear();
}
