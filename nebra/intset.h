// Pooled integer sets (sorted linked lists of atoms) and chain records.
#pragma once

#include <cstdint>

namespace nebra {

// One atom of the pool: a value and the link to the next atom of its set.
struct IntSet {
  int32_t value;
  int32_t next;  // atom index; kSetNull ends a set, kFreeAtom marks a free atom
};

// A set is the index of its first atom.
using IntSetRef = int32_t;
constexpr IntSetRef kSetNull = 0;     // the empty set (atom 0 is never handed out)
constexpr IntSetRef kFreeAtom = -1;   // link of a free atom
constexpr IntSetRef kNoAtom = -2;     // a failed allocation

extern IntSet* is;  // the pool
extern int maxn;    // atoms in the pool
extern int cur;     // where the next free-atom search begins

int IntSetInit(int n);
void IntSetReset();
IntSetRef IntSetNewAtom();
void IntSetDelete(IntSetRef set);
int IntSetAdd(IntSetRef& set, int v);
int IntSetUnion(IntSetRef& set, IntSetRef other);
int IntSetRemove(IntSetRef& set, int v);
bool IntSetContains(IntSetRef set, int v);
int IntSetCount(IntSetRef set);
IntSetRef IntSetCopy(IntSetRef set);
int IntSetInUse();  // atoms currently handed out

// Walks the values of a set in ascending order.
template <class F>
void IntSetForEach(IntSetRef set, F f) {
  for (IntSetRef a = set; a > 0; a = is[a].next) f(is[a].value);
}

// One chain, or one of the two pseudo-groups (empty and off-board points).
struct Group {
  int32_t x = 0, y = 0;    // the stone that founded the chain
  int32_t content = 0;     // 0 empty, 1 off-board, 2 black, 3 white
  int32_t stones = 0;      // number of stones
  int32_t liberties = 0;   // always the size of libertyset
  int32_t safe = 0;        // 1 when found unconditionally alive
  IntSetRef stoneset = kSetNull;    // point codes of its stones
  IntSetRef libertyset = kSetNull;  // point codes of its liberties
  IntSetRef enemyset = kSetNull;    // numbers of the enemy chains touching it

  Group() = default;
  Group(const Group&) = delete;
  ~Group() { Clean(); }
  Group& operator=(const Group& other);
  // Deletes the three sets; content, liberties and safe back to 0.
  void Clean();
  void AddLiberty(int p) { liberties += IntSetAdd(libertyset, p); }
  void RemoveLiberty(int p) { liberties -= IntSetRemove(libertyset, p); }
  void AddLiberties(IntSetRef set) { liberties += IntSetUnion(libertyset, set); }
};

}  // namespace nebra
