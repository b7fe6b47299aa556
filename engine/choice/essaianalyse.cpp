// A trial of the position analysis, from the move to the dead counts after
// it: the stone played with captures, the capture readings and the status
// pass around it, and what they found written into the point's trial record
// and the caller's per-point maps.
#include <algorithm>

#include "engine/board/cles.h"
#include "engine/board/formes.h"
#include "engine/board/jeu.h"
#include "engine/board/rejoue.h"
#include "engine/board/voisin.h"
#include "engine/choice/analyse_etat.h"
#include "engine/choice/bonus.h"
#include "engine/choice/formescoup.h"
#include "engine/choice/situation.h"
#include "engine/choice/superko.h"
#include "engine/choice/territoireessai.h"
#include "engine/connection/coupures.h"
#include "engine/connection/liaisonvorn.h"
#include "engine/connection/lienvivant.h"
#include "engine/proposals/bilans.h"
#include "engine/reading/deuxyeux.h"
#include "engine/reading/marquage.h"
#include "engine/reading/marquagemorts.h"
#include "engine/reading/prise_cartes.h"
#include "engine/reading/vieetmort.h"
#include "engine/territory/enclos.h"
#include "engine/territory/etatchaines.h"
#include "engine/territory/seki.h"

namespace {

// Bits of liensessai and marquesessai written by the trials.
constexpr int32_t LIENPRIS = 1;        // liensessai: an enemy stone dead after the trial
constexpr int32_t LIENTERRITOIRE = 2;  // ... newly dead, standing in its own territory
constexpr int32_t LIENMENACE = 4;      // ... newly threatened (and, at the move's point, some is)
constexpr int32_t LIENCAPTURE = 8;     // ... captured by the move (and at the move's point)
constexpr int32_t LIENNOUVEAU = 0x40;  // ... threatened and not dead at the start (engine trials)
constexpr uint8_t MARQUETUE = 4;       // marquesessai of the other side's record: killed by the trial
constexpr uint8_t MARQUEMORTAPRES = 8; // ... dead or captured after the trial
constexpr uint8_t MARQUESAUVE = 0xC0;  // marquesessai of a stone's own record: saved

void effacereprises(const TListePoints& l) {
  for (int32_t k = 1; k <= nbpoints(l); ++k) pionsmorts[indexcase(ligneliste(l, k), colonneliste(l, k))] = 0;
}

}  // namespace

void testdeuxzones(const TPlateau& p, uint8_t pourordi, int32_t ligne, int32_t colonne) {
  TMarques m = marquesvides;
  metlachainelieen2coupatest1(p, m, ligne, colonne);
  m[indexcase(ligne, colonne)] = 0;
  const int32_t taille = configmoteur.taille;
  bool premier = false;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t i = indexcase(r, c);
      if (!m[i]) continue;
      if (premier) {
        (pourordi ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne)).essaifait = 1;
        return;
      }
      premier = true;
      const int32_t zone = infozones[i].numero;
      for (int32_t j = 0; j < NBCASES; ++j)
        if (m[j] && infozones[j].numero == zone) m[j] = 0;
    }
}

void testrevivechaine(TPlateau& p, TMarques& cartedeuxyeux, TListePoints& reprises, const TMarques& marques,
                      int32_t termeprise, int32_t ligne, int32_t colonne, uint8_t couleur, uint8_t adverse) {
  const int32_t i = indexcase(ligne, colonne);
  if (!pionsmorts[i] || marques[i] || cartedeuxyeux[i] != 0) return;
  const TMarques avant = pionsmorts;
  pionsmorts = marques;
  TMarques groupe = marquesvides;
  metlachainelieeviamorts(p, groupe, ligne, colonne, couleur, adverse);
  TListePoints trouves;
  trouves[0] = 0;
  const int32_t taille = configmoteur.taille;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t j = indexcase(r, c);
      if (groupe[j] && p[j] == couleur && !marques[j]) empilepoint(trouves, MAXPOINTSLISTE, r, c);
    }
  if (testdeuxyeuxpossible(p, ligne, colonne, termeprise)) {
    cartedeuxyeux[i] = 1;
    reprises = trouves;
  } else {
    cartedeuxyeux[i] = 2;
  }
  pionsmorts = avant;
}

void comptemortsessai(const TPlateau& p, int32_t& noirs, int32_t& blancs, uint8_t pourordi, int32_t ligne,
                      int32_t colonne) {
  comptepionsmorts(p, noirs, blancs);
  const int32_t ip = indexcase(ligne, colonne);
  const uint8_t moi = p[ip];
  TEssaiCoup& rec = pourordi ? essaiordi(ligne, colonne) : essaijoueur(ligne, colonne);
  const int32_t taille = configmoteur.taille;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t q = indexcase(r, c);
      if (p[q] != moi || moi == VIDE) continue;
      const int32_t e = rec.etatessai[q], s = valeurssurvie[q];
      if (!pionsmorts[q]) {
        // An own stone alive after the trial.
        if (pourordi) {
          if (pionsmortsbis[q]) {
            if (e == -6 && s != -6) ++rec.compteur3essai;
            essaiordi(r, c).marquesessai[q] |= MARQUESAUVE;
          }
        } else {
          if (pionsmortsbis[q] && e == -6 && s != -6) ++rec.compteur3essai;
          if (carteattaque[q]) essaijoueur(r, c).marquesessai[q] |= MARQUESAUVE;
        }
        continue;
      }
      // An own stone dead after the trial.
      if (e >= 0) continue;
      if (pionsmortsbis[q] && ((e == -1 && s != -1) || (e == -5 && s != -1 && s != -5))) ++rec.compteur3essai;
      if (rec.flagmortsessai == 0) {
        if (s >= 0) {
          if (s == 0 && pionsmortsbis[q] && e != -3) rec.flagmortsessai = 1;
        } else if (rec.valeursessai[q] > valeurs2survie[q]) {
          rec.flagmortsessai = 1;
        }
      }
    }
}

namespace analyse {

bool joueessai(TAnalyse& a, int32_t ligne, int32_t colonne) {
  TEssaiEnCours& e = a.essai;
  e.ligne = ligne;
  e.colonne = colonne;
  e.i = indexcase(ligne, colonne);
  e.statut = 0;
  e.lievivante = e.lieterritoire = e.enterritoireadverse = false;
  e.sauvetages[0] = 0;
  e.reprises[0] = 0;
  e.locale = 0;
  e.penalite = 0;
  e.sauve = false;
  const int32_t i = e.i;
  const uint8_t moi = a.couleur, lui = a.couleuradverse;
  TPlateau& p = a.plateau;
  TEssaiCoup& rec = a.record(ligne, colonne);
  const int32_t taille = configmoteur.taille;

  // Play the trial stone from the entry state.
  e.termeprise = 0;
  pionsmorts = a.marqueslecture;
  // Every captured stone is recorded, so the undo is exact.
  infochaine = a.chainesentree;
  posepioncaptures(e.prises, MAXPOINTSLISTE, p, ligne, colonne, moi, lui);
  e.nbprises = e.prises[0];
  e.termeprise = e.nbprises;
  // A refused move: only the maps of the point change.
  if (p[i] == VIDE) {
    if (a.pourordi) (*a.mauvaiscoups)[i] = 1;
    a.apresessai(e) = pionsmortssauves;
    a.apresessai(e)[i] = 1;
    a.apreslecture(e) = pionsmortssauves;
    a.apreslecture(e)[i] = 1;
    return false;
  }
  // Once the move stands: a refused move leaves its record alone.
  auto& copie = (a.pourordi ? carteniveau : tablelecture)[ligne - 1][colonne - 1];
  std::copy(territoire.begin(), territoire.end(), copie);
  rec.carte1essai = territoire;
  // The point is a candidate; liberties and the two-zone test.
  (a.pourordi ? casescandidates : casescandidatesjoueur)[i] = 1;
  majlibertes(p, e.nbprises, ligne, colonne);
  testdeuxzones(p, a.pourordi, ligne, colonne);
  // The engine's trials: superko and a fresh pair table; then the trial record.
  if (a.pourordi) {
    testsuperko(ligne, colonne, e.prises);
    std::fill(std::begin(tablepaires[ligne - 1][colonne - 1]), std::end(tablepaires[ligne - 1][colonne - 1]), 0);
  }
  rec.plateauessai = p;
  rec.infochaineessai = infochaine;
  rec.etatessai = zerobonus;
  rec.valeursessai = zerobonus;
  rec.nbprisesessai = e.nbprises;
  rec.compteur3essai = 0;
  rec.flagmortsessai = 0;
  rec.formeessai = 0;
  rec.compteur5essai = 0;
  rec.compteur4essai = 0;
  if (e.nbprises > 0) {
    rec.liensessai[i] |= LIENCAPTURE;
    for (int32_t k = 1; k <= e.nbprises; ++k)
      rec.liensessai[indexcase(e.prises[3 * k], e.prises[3 * k + 1])] |= LIENCAPTURE;
  }
  // The key of the capture readings' cache.
  uint32_t cle = 0;
  xorclepion(cle, ligne, colonne, moi);
  for (int32_t k = 1; k <= e.nbprises; ++k) xorclepion(cle, e.prises[3 * k], e.prises[3 * k + 1], lui);
  if (moi == NOIR) cle ^= cletrait;
  compteurcache = static_cast<int32_t>(cle);
  lectureconfirmee = 1;
  cacheactif = 1;
  // Capture readings: the chains the move leaves dead, revised for a lone stone that took nothing.
  marquechainesmortes(a.chainesentree, p, e.statut, profondeurlecture - 1, profondeurlecture - 1,
                      TPoint{ligne, colonne}, TPoint{}, TPoint{}, a.profondeurprise, e.nbprises, a.interrupteur);
  lectureconfirmee = 0;
  if (infochaine[i][0] == 1 && e.nbprises == 0)
    revisechainesmortes(a.pourordi ? marquesliaison1 : marquesliaison2, p, e.statut, profondeurlecture - 1, ligne,
                        colonne, a.profondeurprise);
  testdebsurcandidats(a.marqueslecture, a.pourordi ? marquesliaison2 : marquesliaison1, p, e.nbprises, colonne,
                      ligne, e.statut, p[i]);
  formescoup(p, a.chainesentree, lui, a.pourordi, ligne, colonne, moi);
  // The move extends an own chain in atari: the own stones it takes out of atari.
  if (rec.formeessai & FORMEAMISAUVE)
    for (int32_t r = 1; r <= taille; ++r)
      for (int32_t c = 1; c <= taille; ++c) {
        const int32_t q = indexcase(r, c);
        if (p[q] == moi && a.chainesentree[q][0] == 1 && infochaine[q][0] != 1)
          empilepoint(e.sauvetages, MAXPOINTSLISTE, r, c);
      }
  // Cache key off; the readings' dead marks kept apart.
  cacheactif = 0;
  compteurcache = 0;
  rec.plateauessai2 = pionsmorts;
  // The dead marks of the readings alone stay in carte2essai: the families
  // read there which stones the move leaves capturable, plateauessai2 gets
  // the marks after the status analysis below.
  rec.carte2essai = pionsmorts;
  if (a.pourordi) evalueessaiordi(p, a.restauration, ligne, colonne);
  else evalueessaijoueur(p, ligne, colonne);
  e.apreslecture = pionsmorts;
  if (e.statut != 0) marquepionsparcouleur(p, pionsmorts);
  a.apreslecture(e) = pionsmorts;
  // Enemy chains the move makes capturable; their link flags.
  const TMarques& m1 = a.pourordi ? marquesliaison2 : marquesliaison1;
  const TMarques& m2 = a.pourordi ? marquesliaison1 : marquesliaison2;
  chainesennemiesprenables(p, m1, rec.liensessai[i], profondeurlecture - 1, ligne, colonne, a.profondeurprise,
                           a.interrupteur);
  for (int32_t q = 0; q < NBCASES; ++q) {
    if (!pionsmorts[q] || p[q] != lui) continue;
    if (m1[q] == 0 || (m2[q] == 0 && rec.plateauessai2[q])) {
      rec.liensessai[q] |= LIENMENACE;
      rec.liensessai[i] |= LIENMENACE;
      if (a.pourordi && pionsmortsbis[q] == 0) {
        rec.liensessai[q] |= LIENNOUVEAU;
        rec.liensessai[i] |= LIENNOUVEAU;
      }
    }
    rec.liensessai[q] |= LIENPRIS;
    if (territoire[q] == lui && !a.apreslecture(e)[q] && m1[q] == 0) {
      rec.liensessai[q] |= LIENTERRITOIRE;
      rec.liensessai[i] |= LIENTERRITOIRE;
    }
  }
  pionsmorts = a.apreslecture(e);
  // The other side's trials see the territory of the first call.
  const bool territoirepremier = !a.pourordi && flagattaque == 0 && strategie != 1;
  if (territoirepremier) territoire = territoire3;
  TCarte& faitmort = *a.cartefaitmort;
  faitmort[i] = valeurcoupessai(e.prises, a.pourordi, ligne, colonne, p, moi, lui, (*a.cartetues)[i],
                                (*a.cartesauves)[i], a.marquesstatut, a.marqueslecture);
  faitmort[i] += cherchefourchettes(a.pourordi, ligne, colonne, 8, a.profondeurprise, *a.cartetues,
                                    (*a.cartefourchette)[i], p);
  e.enterritoireadverse = territoire[i] == lui && !pionsmorts[i] && faitmort[i] > 0;
  if (territoirepremier) territoire = a.territoireentree;
  // The status pass on the trial board.
  tableessaiscourante = a.pourordi ? 2 : 3;
  detectetatchaines(e.statut, p, e.nbprises, ligne, colonne, 1, moi);
  int32_t sortie = 0;
  if (a.pourordi) statutviechainesfaibles(p, rec.etatessai, a.survie, moi, sortie, TPoint{ligne, colonne}, e.apreslecture);
  else detectsekiessais(sortie, e.apreslecture, p, 0, ligne, colonne);
  tableessaiscourante = 0;
  testzonenoncouleur(p, ligne, colonne);
  // A dead trial stone linked to a live chain is not dead.
  if (pionsmorts[i] && !e.apreslecture[i] && pionlieachainevivante(p, ligne, colonne)) demarquechaine(p, ligne, colonne);
  // Can the dead trial stone come back to life by retaking?
  if ((niveau > 8 || a.pourordi) && pionsmorts[i] && !e.apreslecture[i])
    testrevivechaine(p, *a.cartedeuxyeux, e.reprises, e.apreslecture, e.termeprise, ligne, colonne, moi, lui);
  effacereprises(e.reprises);
  // The status pass again on the readings' dead marks.
  a.apresessai(e) = pionsmorts;
  pionsmorts = a.apreslecture(e);
  flagmarquesmorts = a.pourordi ? 4 : 8;
  int32_t change = 0;
  detectetatchaines(change, p, e.nbprises, ligne, colonne, 1, moi);
  if (change != 0)
    for (int32_t q = 0; q < NBCASES; ++q)
      if (pionsmorts[q] && !a.apresessai(e)[q]) pionsmorts[q] = 0;
  effacereprises(e.reprises);
  // Kills and saves against the dead marks of the position.
  const TMarques& depart = a.pourordi ? pionsmortsdepartordi : pionsmortsdepartjoueur;
  rec.nbtuesessai = 0;
  rec.nbsauvesessai = 0;
  rec.carte3essai = pionsmorts;
  for (int32_t r = 1; r <= taille; ++r)
    for (int32_t c = 1; c <= taille; ++c) {
      const int32_t q = indexcase(r, c);
      if (plateaudepart[q] == lui) {
        if ((pionsmorts[q] || p[q] == VIDE) && !depart[q]) {
          ++rec.nbtuesessai;
          if (!a.marquesstatut[q]) a.autrerecord(r, c).marquesessai[q] |= MARQUETUE;
        }
        if ((a.apresessai(e)[q] || p[q] == VIDE) && !a.marquesstatut[q])
          a.autrerecord(r, c).marquesessai[q] |= MARQUEMORTAPRES;
      } else if (plateaudepart[q] == moi) {
        if (!pionsmorts[q] && depart[q]) ++rec.nbsauvesessai;
      }
    }
  flagmarquesmorts = 0;
  pionsmorts = a.apresessai(e);
  rec.lievivanteessai = estlieachainevivante(p, ligne, colonne, moi, lui) ? 1 : 0;
  e.lievivante = rec.lievivanteessai != 0;
  // A sacrificed stone.
  if (pionsmorts[i] && !e.apreslecture[i] && territoire[i] == lui && rec.etatessai[i] == -2 && faitmort[i] <= 0 &&
      e.statut != 0 && !e.lievivante && rec.nbtuesessai == 0) {
    pionsmorts = e.apreslecture;
    if (infochaine[i][1] == 1) pierreisoleemorte(p, ligne, colonne);
    if (!pionsmorts[i] && !a.pourordi && flagconsolide == 0 && infochaine[i][0] <= 4)
      marquechaineenfermee(p, moi, lui, ligne, colonne);
    const bool mort = pionsmorts[i] != 0;
    pionsmorts = a.apresessai(e);
    if (mort) {
      TMarques& attaque = a.pourordi ? pionsmortsbis : carteattaque;
      for (int32_t q = 0; q < NBCASES; ++q)
        if (p[q] == lui && rec.etatessai[q] == -1 && !attaque[q] && !rec.carte3essai[q]) {
          pionsmorts[q] = 0;
          rec.etatessai[q] = valeurssurvie[q];
        }
      a.apresessai(e) = pionsmorts;
    }
  }
  rec.plateauessai2 = pionsmorts;
  // The opponent's follow-up of its own trial.
  if (!a.pourordi && !pionsmorts[i]) suiteessaijoueur(e.apreslecture, moi, p, e.termeprise, ligne, colonne);
  // The link term: the other side cuts at the point, the mover's
  // stones are counted, the captured stones come back in the other colour.
  liaisonchainesenatari((*a.valeursatari)[i], e.prises, p, lui, moi, ligne, colonne);
  e.lieterritoire = e.lievivante && estlieauterritoire(p, ligne, colonne, moi, lui);
  if (e.lievivante && pionsmorts[i] && !e.apreslecture[i]) demarquechaine(p, ligne, colonne);
  // Dead stones of each colour after the trial.
  comptemortsessai(p, e.mortsnoirs, e.mortsblancs, a.pourordi, ligne, colonne);
  return true;
}

}  // namespace analyse
