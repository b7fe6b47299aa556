// Messages of the game-record readers and the language tables they come
// from. The programs open no window and keep standard output for GTP, so a
// message goes to a sink (dropped unless a sink is set) and is answered
// "Ok" at once.
#pragma once
#include <functional>
#include <string>
#include <string_view>

// The answer of a message: its Ok button.
constexpr int RESULTATOK = 1;

// Line n (from 1) of the language table `table` ("MOLVANEENG" or
// "MOLVANEFR"); empty when the table or the line does not exist.
std::string lignelangue(std::string_view table, int n);
// Message n of the selected language, English.
std::string textelangue(int n);

// Where shown messages go; an empty function drops them. Returns the sink
// that was set before.
using TPuitsMessages = std::function<void(const std::string&)>;
TPuitsMessages fixepuitsmessages(TPuitsMessages puits);

// The first "%s" (or "%t") replaced by `s`; the text unchanged without one.
std::string remplacepourcents(const std::string& texte, const std::string& s);
std::string remplacepourcentt(const std::string& texte, const std::string& t);

// Shows the text with an Ok button; returns the button that closed it.
int affichemessage(const std::string& texte);
// The same after filling "%s", then "%t".
int affichemessage2(const std::string& texte, const std::string& s);
int affichemessage3(const std::string& texte, const std::string& s, const std::string& t);
