// Loading entry of the game-record readers: the reader is chosen by the
// file's extension, fills a game tree and a settings record, and the tree's
// lines are cut after too many passes. No GTP command reaches it.
#pragma once
#include <memory>
#include <string>

#include "engine/board/types.h"
#include "records/arbre.h"

// Extension tests: the text after the last dot, upper-cased, is
// SGF or MGT; GO; GHT; PRO; UGF or UGI.
bool estsgf(const std::string& nom);
bool estgo(const std::string& nom);
bool estght(const std::string& nom);
bool estpro(const std::string& nom);
bool estugf(const std::string& nom);

// Loads the file into a new tree stored in `arbre` (its top node, kind 0)
// and into `config`. An unknown extension leaves an empty top node and the
// record unchanged; an SGF file without a game leaves no tree at all.
void chargepartie(const std::string& nom, std::unique_ptr<TArbre>& arbre, TConfig& config);

// Pass pruning along the lines from `noeud`, with the record's pass limit
// (`limitepasses`; 0 or less prunes nothing): where a line has reached the
// limit of passes in a row, the next node is taken out (detachearbre).
void elaguepasses(TArbre* noeud, TConfig config);
