#include "frontend/console.h"

#include "platform/platform.h"

namespace {
bool sortieperdue = false;  // a write to standard output failed
}  // namespace

void initconsole() { platform::prendconsole(); }

int lireconsole(std::string& morceau) {
  char tampon[1024];
  int n = platform::litconsole(tampon, sizeof tampon);
  if (n <= 0) return 0;
  morceau.append(tampon, static_cast<size_t>(n));
  return n;
}

void ecrireconsole(std::string_view texte) {
  if (texte.empty() || sortieperdue) return;
  if (!platform::ecritconsole(texte.data(), texte.size())) sortieperdue = true;
}

bool sortiefermee() { return sortieperdue; }
