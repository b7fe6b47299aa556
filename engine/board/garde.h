// Scope guards for trials: whatever a routine changes for a trial (board,
// chain table, a mask, a depth) is put back on every path out of the scope.
#pragma once
#include <utility>

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
