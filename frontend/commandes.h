// The handlers of the 24 GTP commands and the handicap point tables.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Runs the command whose word is mots[0] (a table word) with the argument
// words that follow, and writes its reply.
void gtpcommande(const std::vector<std::string_view>& mots);

// The fixed handicap points (row, column) for n = 2..9, in placing order.
std::vector<std::pair<int32_t, int32_t>> gtphandicapfixe(int32_t taille, int32_t n);
// Free handicap reply for n stones: word k of the size's list, then one
// space, for k = 1..n (bare spaces once the list runs out).
std::string gtphandicaplibre(int32_t taille, int32_t n);

// Komi word: an optional sign, digits with at most one decimal mark ('.' or
// ','), at least one digit. False on anything else, whatever the locale.
bool gtplitkomi(std::string_view mot, double& komi);
