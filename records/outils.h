// Routines the game-record readers share: a move with captures on a plain
// board, vertex texts, rule names, small text routines. None of them touches
// the engine's globals. Numbers are read the same whatever the locale.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "engine/board/types.h"
#include "records/arbre.h"

// Plays `couleur` at (row, column) on a plain board of side `taille`. The
// captured stones are listed in `prises` (up to `capacite` of them listed,
// all of them removed); a suicide is taken back. The caller sees an illegal
// move as a point that does not hold the stone. Note the order column, row.
void jouecoupplateau(TListePoints& prises, int32_t capacite, TPlateau& plateau, int32_t taille, uint8_t autre,
                     uint8_t couleur, int32_t colonne, int32_t ligne);

// "PASS" for row 0; else the row's letter (A..H, J.., no I) and the column.
std::string vertexentexte(int32_t ligne, int32_t colonne);
// The reverse, without regard to case; "PASS", an "I" or anything that is
// not a letter followed by digits gives (0, 0).
void lirevertex(const std::string& texte, int32_t& ligne, int32_t& colonne);
// A point written as two letters from `base` ("a" in SGF, "A" in UGF):
// row = first - base + 1, column = taille - (second - base). Off the board
// it is (0, 0), with message `messagehors` (0: none) unless its row is
// taille + 1 or 20; a text of another length than 2 is (0, 0), with message
// `messagelongueur` when it is not empty.
void pointdeuxlettres(const std::string& texte, char base, int32_t taille, int32_t& ligne, int32_t& colonne,
                      int messagelongueur, int messagehors);
// The two-capital coordinate of UGF files: (0, 0) for a point off the board,
// with message 283 unless its row is taille + 1 or 20 (or the text is empty).
void coordonneesugf(const std::string& texte, int32_t taille, int32_t& ligne, int32_t& colonne);

// Rule names: byte to name and name (exact) to byte, 0 when unknown.
std::string nomregle(uint8_t regle);
uint8_t reglenom(const std::string& nom);

std::string majuscules(const std::string& s);
// The decimal separator of the readers is ".": every "," becomes one.
std::string separateurdecimal(const std::string& s);
std::string virguleenpoint(const std::string& s);
// The text without the first occurrence of `partie`; empty when it does not occur.
std::string supprimetexte(const std::string& partie, const std::string& texte);
std::string tabulationenespace(const std::string& s);
std::string supprimeespacesdebut(const std::string& s);
std::string supprimeespaces(const std::string& s);
// Word n (from 1), words separated by runs of spaces; empty without word n.
std::string motnumero(const std::string& texte, int n, int longueur);
// Word n, words separated by runs of `sep`; the last word when there are fewer.
std::string motnumerosep(const std::string& texte, int n, int longueur, char sep);
bool estnombre(const std::string& s);        // digits only, not empty
bool estnombresigne(const std::string& s);   // digits, ",", "-", "." only, not empty
int chiffrehexa(char c);                      // "0"-"9", "A"-"F"; else 0

// A whole text as an integer or a number (after separateurdecimal), or
// nothing when it is not one.
std::optional<int32_t> litentier(const std::string& s);
std::optional<double> litreel(const std::string& s);
// A number as the shortest text that reads back the same ("6.5", "0").
std::string reelentexte(double v);

// Game information into the settings record: its texts (annotator, black
// player, date, place, ranks, user, result, source, overtime, white player,
// game name, application, copyright) and the rules byte from the rules name.
void copieinfos(const TGameInfo& info, TConfig& config);
