#include <chrono>
#include <ctime>

#include "platform/platform.h"

namespace platform {
namespace {
uint32_t (*sourcetick)() = nullptr;
uint64_t (*sourceperf)() = nullptr;
}  // namespace

uint32_t tickcount() {
  if (sourcetick) return sourcetick();
  auto t = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(t).count());
}

uint64_t compteurperf() {
  if (sourceperf) return sourceperf();
  auto t = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(t).count());
}

int64_t horloge() { return static_cast<int64_t>(std::time(nullptr)); }

namespace seam {
void fixetickcount(uint32_t (*source)()) { sourcetick = source; }
void fixecompteurperf(uint64_t (*source)()) { sourceperf = source; }
}  // namespace seam

}  // namespace platform
