#!/usr/bin/env bash
# Set up, build and run Ornival on a Debian 12 machine.
#
#   scripts/dev.sh run        install what is missing, build, and start Ornival
#                             with the first example open
#   scripts/dev.sh test       install what is missing, build, run every test
#   scripts/dev.sh sanitize   the tests again under AddressSanitizer and
#                             UndefinedBehaviorSanitizer (all but the GL ones),
#                             and the threaded tests under ThreadSanitizer;
#                             CI runs this after the tests
#   scripts/dev.sh setup      install what is missing and build, nothing more
#   scripts/dev.sh fuzz [seconds]
#                             build the fuzzers with clang in build-fuzz and run
#                             each for the given seconds (600 by default) on four
#                             workers; what they find lands in
#                             build-fuzz/findings/<fuzzer>/, with the workers'
#                             logs and the executions counted. Not part of CI.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-tools-dev
  libgl-dev libosmesa6-dev xvfb xauth
  libopenjp2-7-dev
  fonts-dejavu-extra  # a font with 𝜑 (U+1D711) for the closed forms of side lengths
  qt6-translations-l10n  # Qt's own dialog texts in the user's language
  libgtest-dev libgmock-dev libbenchmark-dev
  locales
)
# Needed by the tests only: an independent SVG renderer and an independent
# 3D scene reader to check our exports against, and a PDF reader to rasterise
# the pages we print; the validators of the desktop entries, the AppStream
# metadata and the MIME package; the sandbox file managers run thumbnailers in;
# a Wayland compositor to run the window under, nested in the test's display,
# with Qt's Wayland plugin (GNOME and KDE sessions run Qt programs on Wayland)
# and a pointer to click with there, for where popovers open on each desktop;
# the accessibility bus and its Python binding, to drive the window as
# assistive tools do.
test_packages=(
  librsvg2-bin assimp-utils poppler-utils
  desktop-file-utils appstream shared-mime-info bubblewrap
  weston qt6-wayland xdotool
  at-spi2-core gir1.2-atspi-2.0 python3-gi dbus
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The number text tests check that a comma-decimal locale leaves numbers
# alone, and Debian generates only the locales /etc/locale.gen names.
comma_locale='de_DE.UTF-8 UTF-8'
generate_comma_locale() {
  # grep reads all of it: an early exit would fail the pipe.
  locale -a 2>/dev/null | grep -ix 'de_DE\.utf-\?8' >/dev/null && return
  echo "Generating the locale ${comma_locale%% *}"
  if [ -f /etc/locale.gen ]; then
    "${sudo[@]}" sed -i "s/^# *${comma_locale}\$/${comma_locale}/" /etc/locale.gen
  fi
  grep -qsx "$comma_locale" /etc/locale.gen || echo "$comma_locale" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen --keep-existing
}

# build <folder> [cmake options…]
build() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_tests() {
  local dir=$1
  shift
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 600 "$@"
}

command=${1:-run}
case "$command" in
  test | sanitize) packages+=("${test_packages[@]}") ;;
  # The fuzzers need clang and its libFuzzer runtime, which clang only
  # recommends; nothing else builds with clang.
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
esac
install_missing
generate_comma_locale
case "$command" in
  setup)
    build "$root/build"
    ;;
  run)
    build "$root/build"
    # The first example opens as an untitled document: edits never write
    # over it.
    exec "$root/build/src/app/ornival" --example
    ;;
  test)
    build "$root/build"
    run_tests "$root/build"
    ;;
  sanitize)
    build "$root/build-asan" -DORNIVAL_SANITIZE=address,undefined -DORNIVAL_BUILD_BENCHMARKS=OFF
    LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp run_tests "$root/build-asan" -LE gl
    build "$root/build-tsan" -DORNIVAL_SANITIZE=thread -DORNIVAL_BUILD_BENCHMARKS=OFF
    TSAN_OPTIONS=halt_on_error=1 run_tests "$root/build-tsan" -L threads
    ;;
  fuzz)
    seconds=${2:-600}
    dir="$root/build-fuzz"
    CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DORNIVAL_BUILD_FUZZERS=ON -DORNIVAL_BUILD_TESTS=OFF -DORNIVAL_BUILD_BENCHMARKS=OFF >/dev/null
    for source in "$root"/fuzz/*/; do
      name=$(basename "$source")
      cmake --build "$dir" -j "$jobs" --target "${name}_fuzz"
      corpus="$dir/corpus/$name"
      findings="$dir/findings/$name"
      mkdir -p "$corpus" "$findings"
      # The inputs found before run again first; the corpus grows in build-fuzz
      # only. A slow input (over -timeout seconds) is a finding like a crash.
      extra=()
      [ -d "$root/tests/$name/fuzz-findings" ] && extra+=("$root/tests/$name/fuzz-findings")
      # Four long-lived workers share the corpus folder; libFuzzer's fork mode
      # spends most of a loaded machine re-running the corpus in new jobs.
      rm -f "$findings"/fuzz-*.log
      (cd "$findings" && "$dir/fuzz/${name}_fuzz" -jobs=4 -workers=4 -print_final_stats=1 \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -dict="$source/$name.dict" -artifact_prefix="$findings/" \
        "$corpus" "$source/seeds" "${extra[@]}") || true
      runs=$(cat "$findings"/fuzz-*.log | sed -n 's/^stat::number_of_executed_units: *//p' | awk '{s += $1} END {print s + 0}')
      echo "${name}_fuzz: $runs executions in all; worker logs in $findings/fuzz-*.log"
      found=$(find "$findings" -maxdepth 1 -regextype egrep -regex '.*/(crash|timeout|leak|oom|slow-unit)-.*')
      if [ -n "$found" ]; then
        echo "Findings of ${name}_fuzz: copy each into tests/$name/fuzz-findings/ and mend it:"
        echo "$found"
      fi
    done
    ;;
  *)
    echo "usage: scripts/dev.sh [run|test|sanitize|setup|fuzz [seconds]]" >&2
    exit 2
    ;;
esac
