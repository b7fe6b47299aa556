// Platform layer: what the programs need of the machine, and nothing else.
// Console, clocks, the runtime's pseudo-random generator and embedded data.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

// ---- Console -------------------------------------------------------------
// Takes the standard handles: a closed output then makes writes fail instead
// of ending the program by signal.
void prendconsole();
// Reads at most `cap` bytes (cap <= 1024 in practice) from standard input,
// returning as soon as some bytes are there.
// > 0: bytes read; 0: end of input; -1: read error.
int litconsole(char* tampon, int cap);
// Writes the whole buffer to standard output, retrying partial writes and
// waiting while a non-blocking output is full.
// False when the output is closed or fails.
bool ecritconsole(const char* tampon, std::size_t n);

// ---- Clocks --------------------------------------------------------------
uint32_t tickcount();        // monotonic milliseconds, wraps at 2^32
uint64_t compteurperf();     // high-resolution counter (nanoseconds)
int64_t horloge();           // wall clock, seconds since the epoch

// ---- Pseudo-random generator ---------------------------------------------
// A 32-bit linear congruential generator with one global seed.
void randomize();            // seeds from the high-resolution counter
void fixegraine(uint32_t graine);
uint32_t graine();
int32_t Random(int32_t n);   // uniform in 0..n-1; 0 when n <= 0
double RandomReel();         // uniform in [0, 1)

// ---- Embedded data -------------------------------------------------------
// The bytes of the data item `nom` (compared without regard to case);
// an empty span when there is no such item.
std::span<const uint8_t> donnee(std::string_view nom);

// ---- Test seam -----------------------------------------------------------
// Tests may pin the clocks and the seed. Passing nullptr restores the real
// source. The shipped programs never call these.
namespace seam {
void fixetickcount(uint32_t (*source)());
void fixecompteurperf(uint64_t (*source)());
// When set, randomize() seeds with this value instead of the counter.
void fixegrainerandomize(bool actif, uint32_t graine = 0);
}  // namespace seam

}  // namespace platform
