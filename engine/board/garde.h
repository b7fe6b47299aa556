// Scope guards for trials: whatever a routine changes for a trial (board,
// chain table, a mask, a depth) is put back on every path out of the scope.
#pragma once
#include <utility>

#include "engine/board/etat.h"

// Keeps a copy of `v` and writes it back when the scope ends.
template <class T>
class Restaure {
 public:
  explicit Restaure(T& v) : v_(v), avant_(v) {}
  ~Restaure() { v_ = avant_; }
  Restaure(const Restaure&) = delete;
  Restaure& operator=(const Restaure&) = delete;

 private:
  T& v_;
  const T avant_;
};

// Runs `f` (an undo step) when the scope ends.
template <class F>
class EnSortie {
 public:
  explicit EnSortie(F f) : f_(std::move(f)) {}
  ~EnSortie() { f_(); }
  EnSortie(const EnSortie&) = delete;
  EnSortie& operator=(const EnSortie&) = delete;

 private:
  F f_;
};

// The position of a trial: the board, the chain table and the dead marks as
// they were on entry, put back by `restaure` and when the scope ends,
// whatever path leaves it.
class RestaurePosition {
 public:
  explicit RestaurePosition(TPlateau& p) : p_(p), plateau_(p), chaines_(infochaine), morts_(pionsmorts) {}
  ~RestaurePosition() { restaure(); }
  RestaurePosition(const RestaurePosition&) = delete;
  RestaurePosition& operator=(const RestaurePosition&) = delete;

  void restaure() {
    p_ = plateau_;
    infochaine = chaines_;
    pionsmorts = morts_;
  }
  // The position as it was on entry.
  const TPlateau& plateau() const { return plateau_; }
  const TInfoChaine& chaines() const { return chaines_; }
  const TMarques& morts() const { return morts_; }

 private:
  TPlateau& p_;
  const TPlateau plateau_;
  const TInfoChaine chaines_;
  const TMarques morts_;
};
