// GTP protocol layer: line assembly from raw input bytes, words and ids,
// dispatch against the command table it is given, success and failure replies.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The words of a command line from the command word on (the id taken off).
using TMotsGtp = std::vector<std::string_view>;

// One command: its word and its handler, which writes the reply.
struct TCommandeGtp {
  std::string_view mot;
  void (*traite)(const TMotsGtp& mots);
};

// State of the protocol layer, one for the run.
struct TEtatGtp {
  uint8_t quitter = 0;         // set by quit; the main loop ends after its chunk
  std::string ligne;           // bytes of the line being assembled
  int32_t id = -1;             // id of the current command, -1 = none (saturated)
  std::string idtexte;         // its digits without leading zeros, empty = none
  uint8_t journalactif = 0;    // the GTP log is kept only when 1 (never, in this program)
  std::string nomjournal;      // file the log is saved to
  std::vector<std::string> journal;
  std::span<const TCommandeGtp> commandes;  // dispatch, known_command and list_commands read it
};
extern TEtatGtp etatgtp;

// A line longer than this keeps only its first bytes; nothing valid comes near it.
constexpr size_t LONGUEURMAXLIGNE = 1 << 20;

// Resets the layer: no quit, empty line, no id, the given log switch and
// name, and the command table to dispatch against (in list_commands order).
void gtpinit(uint8_t journal, std::string_view nomjournal, std::span<const TCommandeGtp> commandes);
// Consumes every byte of a chunk; each complete line is dispatched and
// answered before the next byte is looked at.
void gtprecoit(std::string_view morceau);
// End of input: a last line without its line feed is answered as if it had one.
void gtpfinentree();
// Dispatches the line held in the line buffer.
void gtpexecute();
// Success and failure replies for the current id.
void gtpsucces(std::string_view texte);
void gtpechec(std::string_view texte);
// The table entry of a command word (exact match), or null.
const TCommandeGtp* gtptrouvecommande(std::string_view mot);
bool gtpcommandeconnue(std::string_view mot);

// Reading of the first word of a line: a reply ('=' or '?' first) or an id.
struct TIdLu {
  char premier = 0;
  bool reponse = false;
  int32_t id = -1;  // the word's value when all digits (saturated), else -1
};
TIdLu gtplitid(std::string_view mot);

// The words of a line: maximal runs of characters other than space.
std::vector<std::string_view> gtpmots(std::string_view ligne);
// Word n (from 1) of a line, or the empty string.
std::string_view gtpmot(std::string_view ligne, int n);
// Non-empty and all decimal digits.
bool gtpestnombre(std::string_view texte);
// Non-empty and only digits, ',' and '.'.
bool gtpestreel(std::string_view texte);
// Value of an all-digits word, saturated at INT32_MAX; false when not a number.
bool gtplitnombre(std::string_view texte, int32_t& valeur);
// Adds a line to the GTP log and saves it, when the log is on.
void gtplog(std::string_view texte);
