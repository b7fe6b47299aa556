#include <cctype>
#include <cstring>

#include "platform/donnees_index.h"
#include "platform/platform.h"

namespace platform {
namespace {
bool memenom(const char* item, std::string_view nom) {
  if (std::strlen(item) != nom.size()) return false;
  for (std::size_t i = 0; i < nom.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(item[i])) != std::toupper(static_cast<unsigned char>(nom[i])))
      return false;
  }
  return true;
}
}  // namespace

std::span<const uint8_t> donnee(std::string_view nom) {
  for (const ItemEmbarque* it = itemsembarques; it->nom; ++it) {
    if (memenom(it->nom, nom))
      return {reinterpret_cast<const uint8_t*>(it->debut), static_cast<std::size_t>(it->fin - it->debut)};
  }
  return {};
}

}  // namespace platform
