#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvel, builds it, and runs it or its tests.
#
#   tools/dev.sh run     install what is missing, build, start the program
#   tools/dev.sh test    install what is missing, build, run every test
#   tools/dev.sh build   install what is missing and build
#   tools/dev.sh bench   install what is missing, build, run the benchmarks
#   tools/dev.sh asan    an AddressSanitizer + UndefinedBehaviorSanitizer build of
#                        the core libraries, the sheet tool and the core tests in
#                        build-asan/, then the tests and the sheet tool over
#                        every node of every tab
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$here/build}
action=${1:-run}

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-multimedia-dev qt6-svg-dev
  libqt6svg6 libgl-dev libbenchmark-dev libmuparser-dev
  fonts-noto-cjk qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good libqt6sql6-sqlite
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

configure_and_build() {
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$build" -j "${QUORVEL_JOBS:-2}"
}

web_env() {
  # The web view's sandbox cannot run as root; offscreen runs need no GPU.
  if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
}

# The core under the sanitizers: every core test, then every node of every
# tab written and graded by the sheet tool.
run_sanitized() {
  local asan=${QUORVEL_ASAN_DIR:-$here/build-asan}
  if [ ! -f "$asan/build.ninja" ]; then
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON \
      -DQUORVEL_BUILD_WINDOW=OFF -DQUORVEL_BUILD_BENCHMARKS=OFF
  fi
  cmake --build "$asan" -j "${QUORVEL_JOBS:-2}"
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd "$asan" && ctest --output-on-failure -j "${QUORVEL_JOBS:-2}" -L core)
  local sheet="$asan/bin/quorvel-sheet" nodes=0 tab key
  for tab in T1 T2 T3 T4 T5 T6 T7 T8 T9 T10 T11 T12 T13 T14 T15 T16; do
    while IFS=$'\t' read -r key _; do
      "$sheet" --tab "$tab" --key "$key" --seed 1 --items 50 --submit right \
        --password 463 >/dev/null 2>&1 || { echo "quorvel-sheet failed on $tab $key" >&2; return 1; }
      nodes=$((nodes + 1))
    done < <("$sheet" --tab "$tab" --list)
  done
  echo "Sanitizers clean: core tests and $nodes nodes written and graded."
}

install_missing
if [ "$action" = asan ]; then
  run_sanitized
  exit
fi
configure_and_build

case "$action" in
  run)
    web_env
    exec "$build/bin/quorvel"
    ;;
  test)
    web_env
    export QT_QPA_PLATFORM=offscreen
    cd "$build"
    exec ctest --output-on-failure -j "${QUORVEL_JOBS:-2}"
    ;;
  bench)
    for b in "$build"/bin/bench_*; do "$b"; done
    ;;
  build) ;;
  *) echo "usage: $0 run|test|build|bench|asan" >&2; exit 2 ;;
esac
