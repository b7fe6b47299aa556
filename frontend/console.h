// Console of the main program: standard input in chunks, whole writes to
// standard output.
#pragma once
#include <string>
#include <string_view>

// Takes the standard handles.
void initconsole();
// One read of at most 1024 bytes appended to `morceau`. The number of bytes
// read; 0 at end of input or on a read error.
int lireconsole(std::string& morceau);
// Writes the whole text to standard output; an empty text writes nothing.
// Once a write has failed (the output is closed) nothing more is written.
void ecrireconsole(std::string_view texte);
// A write to standard output has failed: nobody reads the replies any more.
bool sortiefermee();
