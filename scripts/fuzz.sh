#!/usr/bin/env bash
# Fuzzes the readers: builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each target for FUZZ_SECONDS seconds (default 30)
# on a copy of its seeds, so that nothing new is ever written into the repository.
# A crash, a leak, undefined behaviour or a broken check fails the run; the input that
# caused it is kept and the command that reproduces it printed.
# Usage: scripts/fuzz.sh [target...]   (default: every target, see docs/fuzzing.md)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/ensure-deps.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

seconds=${FUZZ_SECONDS:-30}
bin=$root/build/fuzz/fuzz
targets=("$@")
if ((${#targets[@]} == 0)); then mapfile -t targets <"$bin/targets.txt"; fi
work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-fuzz.XXXXXX")

# Seeds: fuzz/seeds/<target>/, and for some targets the examples the repository keeps.
# A target runs in its own folder: the scenario target finds the examples' profiles there.
seed() {
  local target=$1 dir=$2
  cp -r "fuzz/seeds/$target/." "$dir/corpus/"
  case $target in
    scenario) cp examples/*.yaml "$dir/corpus/" && cp -r examples/profiles examples/addin "$dir/" ;;
    profile) cp examples/profiles/*.yaml "$dir/corpus/" ;;
    resource_script) cp examples/addin/Resource.dll "$dir/corpus/" ;;
  esac
}

failed=()
for t in "${targets[@]}"; do
  dir=$work/$t
  mkdir -p "$dir/corpus"
  seed "$t" "$dir"
  if (cd "$dir" && UBSAN_OPTIONS=print_stacktrace=1 "$bin/fuzz_$t" corpus -max_total_time="$seconds" \
        -timeout=25 -rss_limit_mb=2048 -artifact_prefix="$dir/" -print_final_stats=1 </dev/null >log 2>&1); then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log")
    echo "fuzz_$t: ${runs:-?} inputs in ${seconds}s, no failure"
  else
    echo "fuzz_$t FAILED:"
    grep -v '^#' "$dir/log" | tail -n 40
    for input in "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir"/slow-unit-*; do
      [[ -e $input ]] && echo "reproduce: (cd $dir && $bin/fuzz_$t $input)"
    done
    failed+=("$t")
  fi
done

if ((${#failed[@]})); then
  echo "fuzzing failed for: ${failed[*]} (inputs and logs kept in $work)"
  exit 1
fi
rm -rf "$work"
