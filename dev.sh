#!/usr/bin/env bash
# Tovalo's one entry point for developers: installs what is missing (Debian 12), builds, runs.
#
#   ./dev.sh run     build and start Tovalo on the bundled example (with the simulated oneAPI
#                    toolkit, labelled as a demo, when no oneAPI installation is found)
#   ./dev.sh test    check the formatting and the five language catalogs, build everything
#                    and run every test (native with sanitizers, the fuzz harnesses for 30 s
#                    each, and the Windows build of the core under wine)
#   ./dev.sh package build the release preset, make the Debian package and check it with lintian
#   ./dev.sh bench   build the release preset and run the benchmarks
#   ./dev.sh deps    only install the build dependencies
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)

# Debian packages the build and the tests need.
PACKAGES=(
  cmake ninja-build g++ make pkg-config git ca-certificates clang-format
  googletest libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  xvfb xauth
  g++-mingw-w64-x86-64-posix wine wine64
  locales
  python3
  fonts-noto-cjk qt6-translations-l10n
  chromium   # the migration report's browser test (headless)
  dpkg-dev help2man lintian   # the Debian package: its dependencies, manual pages and check
)

need_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
    echo "dev.sh: installing packages needs root: run as root or install sudo" >&2; exit 2; fi
}

deps() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "dev.sh: installing ${missing[*]}"
    need_root apt-get update -qq
    need_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  # wine takes its ANSI code page from the locale; the Windows tests run with Japanese (932).
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    need_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  fi
}

jobs() { nproc 2>/dev/null || echo 2; }

# The folders Tovalo looks in for oneAPI on Linux (ONEAPI_ROOT, then the two usual places).
have_oneapi() {
  local d
  for d in "${ONEAPI_ROOT:-}" /opt/intel/oneapi "$HOME/intel/oneapi"; do
    [ -n "$d" ] && [ -f "$d/setvars.sh" ] && return 0
  done
  return 1
}

# The dev build; extra arguments go to its configure step.
build_native() {
  cmake --preset dev "$@" >/dev/null
  cmake --build --preset dev -j "$(jobs)"
}

build_mingw() {
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j "$(jobs)"
}

# lintian over the newest Debian package, warnings included; nothing to do before one is built.
check_package() {
  local deb
  deb=$(ls -t build/release/package/tovalo_*.deb 2>/dev/null | head -n 1 || true)
  [ -n "$deb" ] || return 0
  echo "dev.sh: lintian $deb"
  lintian --fail-on error,warning "$deb"
}

run_tests() {
  local status=0
  tools/format.sh --check || status=1
  # Every text of the program translated in all five catalogs, each in its own script.
  python3 tools/check_catalogs.py || status=1
  # The fuzz harnesses are built only when asked for; the tests ask.
  build_native -DTOVALO_BUILD_FUZZ=ON
  build_mingw
  local prefix="$ROOT/build/mingw/wineprefix"
  if [ ! -d "$prefix" ]; then
    # First start of a wine prefix takes a while; do it once, quietly.
    local wine=/usr/lib/wine/wine64
    [ -x "$wine" ] || wine=wine
    LANG=ja_JP.UTF-8 WINEDEBUG=-all WINEPREFIX="$prefix" "$wine" wineboot --init >/dev/null 2>&1 || true
  fi
  ASAN_OPTIONS=detect_leaks=1 ctest --preset dev -j "$(jobs)" || status=1
  ctest --preset mingw || status=1
  check_package || status=1
  return $status
}

case "${1:-}" in
  deps) deps ;;
  run)
    deps
    build_native
    args=()
    if ! have_oneapi; then
      echo "dev.sh: no oneAPI installation found; starting a demo with the simulated toolkit"
      args=(--demo-toolkit "$ROOT/build/dev/dpct-sim-toolkit")
    fi
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "dev.sh: no display; to try it headless: xvfb-run -a ./dev.sh run" >&2
    fi
    # The dev build has the leak checker on; the platform libraries keep a few allocations.
    LSAN_OPTIONS="suppressions=$ROOT/tests/gui/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
      exec ./build/dev/src/gui/tovalo "${args[@]}" examples/vector-add.txt
    ;;
  test)
    deps
    run_tests
    ;;
  package)
    deps
    cmake --preset release -DTOVALO_BUILD_TESTS=OFF -DTOVALO_BUILD_BENCH=OFF >/dev/null
    cmake --build --preset release -j "$(jobs)" --target tovalo tovalo-cli packaging_documents
    cpack --config build/release/CPackConfig.cmake -B build/release/package
    check_package
    ;;
  bench)
    deps
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(jobs)" --target tovalo_bench tovalo-cli dpct-sim-toolkit
    ./build/release/bench/tovalo_bench
    bench/per_item_overhead.sh build/release
    bench/parallel_scaling.sh build/release
    bench/check_scaling.sh build/release
    bench/report_scale.sh build/release
    ;;
  *)
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
