#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Kestrix, builds it, and starts the
# program (./build.sh run) or runs every test (./build.sh test).
# ./build.sh sanitize runs the tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build of its own made with clang++, so the
# whole tree also compiles cleanly with a second compiler.
# KESTRIX_WERROR=ON (as CI sets it) makes every compiler warning an error.
# ./build.sh package builds the Debian package and prints its path.
# ./build.sh fuzz runs the libFuzzer targets (the design run alone, on through
# the in-circuit analysis, and the as-built paste) for a minute in all
# (FUZZ_SECONDS overrides).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev xvfb xauth imagemagick poppler-utils fonts-liberation
          fonts-dejavu-core locales x11-utils xdotool desktop-file-utils appstream
          xclip weston qt6-wayland)
PACKAGE_TOOLS=(dpkg-dev file)         # dpkg-shlibdeps, and the file type probe cpack needs
CLANG_TOOLS=(clang libclang-rt-dev)   # clang++ and its sanitizer and libFuzzer runtimes
TEST_LOCALE=de_DE.UTF-8   # a comma-decimal locale the tests pin

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {  # install_missing [extra packages...]
  local missing=()
  for package in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    as_root localedef -i de_DE -f UTF-8 "$TEST_LOCALE"
  fi
}

build() {  # build <dir> [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKESTRIX_WERROR="${KESTRIX_WERROR:-OFF}" "$@" >/dev/null
  cmake --build "$dir"
}

case "${1:-}" in
  run)
    install_missing
    build build
    exec ./build/app/kestrix
    ;;
  test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
  sanitize)
    install_missing "${CLANG_TOOLS[@]}"
    build build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DKESTRIX_SANITIZE=ON \
      -DKESTRIX_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
      ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
  package)
    install_missing "${PACKAGE_TOOLS[@]}"
    build build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKESTRIX_BUILD_BENCH=OFF
    rm -f build-package/kestrix_*.deb
    (cd build-package && cpack -G DEB >/dev/null)
    deb=$(ls "$PWD"/build-package/kestrix_*.deb)
    echo "$deb"
    ;;
  fuzz)
    install_missing "${CLANG_TOOLS[@]}"
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKESTRIX_FUZZ=ON -DKESTRIX_BUILD_UI=OFF \
      -DBUILD_TESTING=OFF -DKESTRIX_BUILD_BENCH=OFF
    # Each target gets its share of the time (quarters; the in-circuit
    # analysis, the slowest, two of them). A fuzzer adds what it finds to its
    # first folder, so each works on its own copy of the seeds; crash inputs
    # land in build-fuzz/ too.
    total=${FUZZ_SECONDS:-60}
    for target in normalise_fuzzer:1 circuit_fuzzer:2 as_built_fuzzer:1; do
      name=${target%%:*}
      mkdir -p "build-fuzz/corpus-$name"
      cp fuzz/corpus/* "build-fuzz/corpus-$name/"
      echo "== $name"
      "./build-fuzz/fuzz/$name" -max_total_time=$(( total * ${target##*:} / 4 )) -rss_limit_mb=2048 \
        -print_final_stats=1 -dict=fuzz/normalise.dict -artifact_prefix=build-fuzz/ \
        "build-fuzz/corpus-$name"
    done
    ;;
  *)
    echo "usage: $0 run|test|sanitize|package|fuzz" >&2
    exit 2
    ;;
esac
