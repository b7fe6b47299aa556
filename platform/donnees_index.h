// The index of embedded data items, generated at build time.
#pragma once

namespace platform {
struct ItemEmbarque {
  const char* nom;               // upper case, file name without extension
  const unsigned char* debut;
  const unsigned char* fin;
};
extern const ItemEmbarque itemsembarques[];  // ends with a null name
}  // namespace platform
