// Placeholder libraries: they load nothing and suggest nothing.
#include "engine/opening/joseki.h"

TFuseki* bibliofuseki = nullptr;
TJoseki* bibliojoseki = nullptr;

TFuseki::TFuseki(int32_t t) : taille(t) {}
TFuseki::~TFuseki() = default;
void TFuseki::CoupsSuggeres(uint8_t, int32_t, int32_t& nombre, TMarques& carte, const TPlateau&) {
  nombre = 0;
  carte.fill(0);
}

TJoseki::TJoseki(int32_t t) : TFuseki(t) {}
void TJoseki::CoupsSuggeres(uint8_t, int32_t, int32_t& nombre, TMarques& carte, const TPlateau&) {
  nombre = 0;
  carte.fill(0);
}
void TJoseki::FixeTaille(int32_t t) { taille = t; }

void chargefuseki(int32_t t) {
  liberefuseki();
  bibliofuseki = new TFuseki(t);
}
void liberefuseki() {
  delete bibliofuseki;
  bibliofuseki = nullptr;
}
void chargejoseki(int32_t t) {
  liberejoseki();
  bibliojoseki = new TJoseki(t);
}
void liberejoseki() {
  delete bibliojoseki;
  bibliojoseki = nullptr;
}
