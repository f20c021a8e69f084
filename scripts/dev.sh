#!/usr/bin/env bash
# Kelp developer script.
#   scripts/dev.sh run    install what is missing, build, write a demo logbook, start kelp
#   scripts/dev.sh test   install what is missing, build, run every test
#   scripts/dev.sh build  build only
#   scripts/dev.sh bench  build and run the benchmarks
#   scripts/dev.sh package  build the Debian package build/kelp_<version>_<arch>.deb
#   scripts/dev.sh sanitize  build with AddressSanitizer and UBSan into build-sanitize, run every test
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${KELP_BUILD_DIR:-$ROOT/build}

PACKAGES=(cmake ninja-build clang libclang-rt-14-dev g++ libgtest-dev libbenchmark-dev
          nlohmann-json3-dev qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev libgl-dev
          fonts-liberation xvfb xauth poppler-utils locales qt6-translations-l10n libcli11-dev
          dpkg-dev file libpugixml-dev libxml2-utils qt6-l10n-tools)

install_deps() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
  fi
  # A decimal-comma locale, so the tests can prove that numbers ignore the user's locale.
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    local SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8"
  fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -j "$(nproc)"
}

# The Debian package from the install rules; checks that it holds what a desktop needs.
package() {
  rm -f "$BUILD"/kelp_*.deb
  (cd "$BUILD" && cpack -G DEB >/dev/null)
  local deb
  deb=$(ls "$BUILD"/kelp_*.deb)
  local contents
  contents=$(dpkg-deb --contents "$deb")
  for f in ./usr/bin/kelp ./usr/bin/kelp-cli ./usr/share/applications/kelp.desktop \
           ./usr/share/mime/packages/kelp-logbook.xml ./usr/share/kelp/tips.txt ./usr/share/kelp/tips_en.txt \
           ./usr/share/kelp/translations/kelp_en.qm \
           ./usr/share/icons/hicolor/scalable/apps/kelp.svg; do
    grep -q " $f\$" <<<"$contents" || { echo "package: $deb lacks $f" >&2; return 1; }
  done
  local depends
  depends=$(dpkg-deb --field "$deb" Depends)
  for p in libqt6widgets6 libqt6serialport6 qt6-qpa-plugins fonts-liberation; do
    grep -q "$p" <<<"$depends" || { echo "package: $deb does not depend on $p" >&2; return 1; }
  done
  echo "package: $deb"
}

case "${1:-}" in
  run)
    install_deps; build
    DEMO=${KELP_DEMO:-$HOME/Kelp/demo.log}
    mkdir -p "$(dirname "$DEMO")"
    [ -f "$DEMO" ] || "$BUILD/kelp-cli" demo "$DEMO"
    exec "$BUILD/kelp" "$DEMO"
    ;;
  test)
    install_deps; build
    package
    export KELP_CONFIG_DIR="$BUILD/test-config" QT_QPA_PLATFORM=offscreen
    cd "$BUILD" && ctest --output-on-failure -j "$(nproc)" --timeout 600
    ;;
  build)
    install_deps; build
    ;;
  bench)
    install_deps; build
    for b in "$BUILD"/bench/bench_*; do
      if [ -x "$b" ]; then "$b" --benchmark_min_time=0.2; fi
    done
    ;;
  package)
    install_deps; build; package
    ;;
  sanitize)
    install_deps
    SAN=${KELP_SANITIZE_DIR:-$ROOT/build-sanitize}
    cmake -S "$ROOT" -B "$SAN" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
      -DCMAKE_BUILD_TYPE=Debug -DKELP_BUILD_FUZZ=OFF \
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
    cmake --build "$SAN" -j "$(nproc)"
    # Leaks are not counted: the platform libraries keep caches until the process ends.
    export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export KELP_CONFIG_DIR="$SAN/test-config" QT_QPA_PLATFORM=offscreen
    cd "$SAN" && ctest --output-on-failure -j "$(nproc)" --timeout 900
    ;;
  *)
    echo "usage: $0 run|test|build|bench|package|sanitize" >&2; exit 2
    ;;
esac
