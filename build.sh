#!/usr/bin/env bash
# Set-up, build and run on a fresh Debian machine.
#   ./build.sh run [ARGS...]   build, then start Vesmok on stdin/stdout
#   ./build.sh test            build and run the whole test suite
#   ./build.sh bench           build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ libgtest-dev libbenchmark-dev libjpeg62-turbo-dev)
JOBS=$(nproc 2>/dev/null || echo 2)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}" >&2
  $sudo apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >&2
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >&2
  cmake --build "$dir" -j "$JOBS" >&2
}

case "${1:-}" in
  run)
    shift
    install_missing
    build build -DMOLVANE_TESTS=OFF -DMOLVANE_BENCH=OFF
    exec ./build/vesmok "$@"
    ;;
  test)
    install_missing
    build build
    ctest --test-dir build -j "$JOBS" --output-on-failure
    # Once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-asan -DMOLVANE_SANITIZE=ON -DMOLVANE_BENCH=OFF -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG"
    ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan -j "$JOBS" --output-on-failure
    ;;
  bench)
    install_missing
    build build
    for b in build/bench/*_bench; do "$b"; done
    ;;
  *)
    echo "usage: $0 run [ARGS...] | test | bench" >&2
    exit 2
    ;;
esac
