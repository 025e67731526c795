#!/usr/bin/env bash
# The long form of the editing sequence (tests/editor/EditingSequenceTest.cpp):
# from each small tiling and each example, every seed for the given number of
# steps, with the editor's invariants after every step and undo-all and
# redo-all giving back the texts; then one seed twice from example 03, step
# by step the same texts. CI runs the short form with the unit tests.
#
#   scripts/editing-sequence.sh [steps] [seeds]
#
# steps defaults to 2000, seeds to 1,2,3,4,5 (comma-separated); JOBS starts
# that many starts at once (3 by default). Builds editor_tests in build/ if
# needed. The logs of the starts that fail are kept and named at the end.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
steps=${1:-2000}
seeds=${2:-1,2,3,4,5}
jobs=${JOBS:-3}

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$jobs" --target editor_tests >/dev/null
binary=$root/build/tests/editor_tests

logs=$(mktemp -d "${TMPDIR:-/tmp}/editing-sequence.XXXXXX")
# The starts, as gtest names them.
mapfile -t starts < <("$binary" --gtest_list_tests --gtest_filter='FromEveryStart/*' |
  awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }')
starts+=("EditingSequenceRepeats.*")
echo "${#starts[@]} runs of $steps steps, seeds $seeds, $jobs at a time; logs in $logs"

export ORNIVAL_EDITING_STEPS=$steps ORNIVAL_EDITING_SEEDS=$seeds
run_one() {
  local name=$1
  local log="$logs/$(echo "$name" | tr '/.*' '___').log"
  # The tests look for their fixtures relative to the build tree.
  if (cd "$root/build" && "$binary" --gtest_filter="$name" >"$log" 2>&1); then
    echo "ok      $name"
    rm -f "$log"
  else
    echo "FAILED  $name  ($log)"
  fi
}
export -f run_one
export binary logs root
printf '%s\n' "${starts[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} | tee "$logs/summary"

if grep -q '^FAILED' "$logs/summary"; then
  exit 1
fi
rm -rf "$logs"
