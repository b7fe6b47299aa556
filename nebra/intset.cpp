#include "intset.h"

#include <cstdio>
#include <cstdlib>

namespace nebra {

IntSet* is = nullptr;
int maxn = 0;
int cur = 0;

namespace {

int inuse = 0;  // atoms handed out

void panic() { std::fputs("\nPanic!\n", stderr); }

// Doubles the pool; the new atoms are free. False when the system refuses.
bool grow() {
  int n = maxn * 2;
  auto* p = static_cast<IntSet*>(std::realloc(is, sizeof(IntSet) * static_cast<size_t>(n)));
  if (!p) return false;
  for (int k = maxn; k < n; ++k) p[k] = {0, kFreeAtom};
  is = p;
  cur = maxn;
  maxn = n;
  return true;
}

}  // namespace

// Allocates a pool of n usable atoms (atom 0 stays reserved as the empty set).
int IntSetInit(int n) {
  cur = 0;
  std::free(is);
  is = nullptr;
  maxn = 0;
  inuse = 0;
  auto* p = static_cast<IntSet*>(std::malloc(sizeof(IntSet) * static_cast<size_t>(n + 1)));
  if (!p) {
    panic();
    return -1;
  }
  is = p;
  maxn = n + 1;
  IntSetReset();
  return 0;
}

// Every atom free again: every set still referenced becomes invalid at once.
void IntSetReset() {
  for (int k = 0; k < maxn; ++k) is[k] = {0, kFreeAtom};
  if (maxn > 0) is[0].next = kSetNull;  // never handed out
  cur = 1;
  inuse = 0;
}

int IntSetInUse() { return inuse; }

// The first free atom from `cur` on, wrapping once; the pool doubles when it is
// three quarters full so that the search stays short. kNoAtom when none can be had.
IntSetRef IntSetNewAtom() {
  if (maxn == 0 || inuse + 1 > maxn / 4 * 3) {
    if (maxn == 0 || !grow()) {
      if (maxn == 0 || inuse >= maxn - 1) {
        panic();
        return kNoAtom;
      }
    }
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (int k = (pass == 0 ? cur : 1); k < maxn; ++k) {
      if (k > 0 && is[k].next == kFreeAtom) {
        is[k].next = kSetNull;
        cur = k;
        ++inuse;
        return k;
      }
    }
  }
  panic();
  return kNoAtom;
}

// Frees every atom of the set; the caller's reference becomes stale.
void IntSetDelete(IntSetRef set) {
  while (set > 0 && set < maxn && is[set].next != kFreeAtom) {
    IntSetRef next = is[set].next;
    is[set].next = kFreeAtom;
    --inuse;
    set = next;
  }
}

// Inserts v in order; 1 when inserted, 0 when already there (or no atom).
int IntSetAdd(IntSetRef& set, int v) {
  IntSetRef* link = &set;
  while (*link > 0 && is[*link].value < v) link = &is[*link].next;
  if (*link > 0 && is[*link].value == v) return 0;
  IntSetRef a = IntSetNewAtom();
  if (a == kNoAtom) return 0;
  // The pool may have moved: find the link again.
  link = &set;
  while (*link > 0 && is[*link].value < v) link = &is[*link].next;
  is[a].value = v;
  is[a].next = *link;
  *link = a;
  return 1;
}

// Inserts every value of `other` that `set` lacks in one merge pass.
int IntSetUnion(IntSetRef& set, IntSetRef other) {
  int added = 0;
  IntSetRef prev = kSetNull;  // last atom of `set` at or below the value
  for (IntSetRef b = other; b > 0; b = is[b].next) {
    int v = is[b].value;
    IntSetRef a = prev > 0 ? is[prev].next : set;
    while (a > 0 && is[a].value < v) {
      prev = a;
      a = is[a].next;
    }
    if (a > 0 && is[a].value == v) {
      prev = a;
      continue;
    }
    IntSetRef n = IntSetNewAtom();
    if (n == kNoAtom) break;
    is[n].value = v;
    if (prev > 0) {
      is[n].next = is[prev].next;
      is[prev].next = n;
    } else {
      is[n].next = set;
      set = n;
    }
    prev = n;
    ++added;
  }
  return added;
}

// Unlinks and frees the atom of v; 1, or 0 when v is absent.
int IntSetRemove(IntSetRef& set, int v) {
  IntSetRef* link = &set;
  while (*link > 0 && is[*link].value < v) link = &is[*link].next;
  if (*link <= 0 || is[*link].value != v) return 0;
  IntSetRef a = *link;
  *link = is[a].next;
  is[a].next = kFreeAtom;
  --inuse;
  return 1;
}

bool IntSetContains(IntSetRef set, int v) {
  for (IntSetRef a = set; a > 0; a = is[a].next) {
    if (is[a].value >= v) return is[a].value == v;
  }
  return false;
}

int IntSetCount(IntSetRef set) {
  int n = 0;
  for (IntSetRef a = set; a > 0; a = is[a].next) ++n;
  return n;
}

// A new set with the same values; the markers come back as they are.
IntSetRef IntSetCopy(IntSetRef set) {
  if (set <= 0) return set;
  IntSetRef head = kSetNull, tail = kSetNull;
  for (IntSetRef a = set; a > 0; a = is[a].next) {
    int v = is[a].value;
    IntSetRef n = IntSetNewAtom();
    if (n == kNoAtom) break;
    is[n].value = v;
    if (tail > 0) is[tail].next = n;
    else head = n;
    tail = n;
  }
  return head;
}

void Group::Clean() {
  IntSetDelete(stoneset);
  IntSetDelete(libertyset);
  IntSetDelete(enemyset);
  stoneset = libertyset = enemyset = kSetNull;
  content = 0;
  liberties = 0;
  safe = 0;
}

// Deep copy; the sets this group held before are released first.
Group& Group::operator=(const Group& other) {
  if (this == &other) return *this;
  IntSetDelete(stoneset);
  IntSetDelete(libertyset);
  IntSetDelete(enemyset);
  x = other.x;
  y = other.y;
  content = other.content;
  stones = other.stones;
  liberties = other.liberties;
  safe = other.safe;
  stoneset = IntSetCopy(other.stoneset);
  libertyset = IntSetCopy(other.libertyset);
  enemyset = IntSetCopy(other.enemyset);
  return *this;
}

}  // namespace nebra
