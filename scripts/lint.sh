#!/usr/bin/env bash
# Code checks, the way CI runs them, with clang-format and clang-tidy 14 as Debian 12 ships
# them (installed first when missing).
#
#   scripts/lint.sh format          lists the tracked .cpp/.h files under src, apps, tests and
#                                   bench whose layout differs from .clang-format; fails if any
#   scripts/lint.sh format --fix    rewrites those files in place
#   scripts/lint.sh tidy [BUILD_DIR]
#                                   runs clang-tidy (.clang-tidy) over the .cpp files under src/
#                                   that BUILD_DIR/compile_commands.json compiles (default
#                                   build/dev, configured when missing: nothing is built); the
#                                   build must not be a unity build; fails on any warning
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  sed -n '4,12s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

first_tool() {
  local t
  for t in "$@"; do
    if command -v "$t" >/dev/null 2>&1; then echo "$t"; return 0; fi
  done
  echo "none of $* is installed; run scripts/ensure-deps.sh --lint" >&2
  exit 2
}

format() {
  local fix=${1:-}
  [[ -z "$fix" || "$fix" == "--fix" ]] || usage
  local clang_format
  clang_format=${CLANG_FORMAT:-$(first_tool clang-format-14 clang-format)}
  local files=()
  mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'apps/*.cpp' 'apps/*.h' \
                                            'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
  if [[ "$fix" == "--fix" ]]; then
    printf '%s\0' "${files[@]}" | xargs -0 -n 20 -P 2 "$clang_format" -i --style=file
    echo "Formatted ${#files[@]} files with $("$clang_format" --version)"
    return 0
  fi
  local differ
  differ=$(printf '%s\0' "${files[@]}" | CF="$clang_format" xargs -0 -n 20 -P 2 sh -c '
    for f; do "$CF" --style=file "$f" | cmp -s - "$f" || echo "$f"; done' sh | sort)
  if [[ -n "$differ" ]]; then
    echo "These files are not formatted as .clang-format says ($("$clang_format" --version)):"
    echo "$differ" | sed 's/^/  /'
    echo "Fix with: scripts/lint.sh format --fix"
    return 1
  fi
  echo "Formatting: ${#files[@]} files checked, none differs"
}

tidy() {
  local build_dir=${1:-build/dev}
  [[ $# -le 1 ]] || usage
  local runner
  runner=$(first_tool run-clang-tidy-14 run-clang-tidy)
  if [[ ! -f "$build_dir/compile_commands.json" ]]; then
    if [[ "$build_dir" == build/dev ]]; then
      cmake --preset dev >/dev/null
    else
      echo "$build_dir/compile_commands.json is missing: configure $build_dir first" >&2
      exit 2
    fi
  fi
  if grep -q '/Unity/unity_' "$build_dir/compile_commands.json"; then
    echo "$build_dir is a unity build: its compile commands name no source file; use build/dev" >&2
    exit 2
  fi
  # Only the database's entries are checked, so files the build leaves out (the *_win32.cpp
  # sources on this host) are skipped. The checks and the header filter are in .clang-tidy.
  # The database names the sources by absolute path, the checkout's as given or resolved.
  local root
  root="($(pwd | sed 's/[][\.*^$+?(){}|]/\\&/g')|$(pwd -P | sed 's/[][\.*^$+?(){}|]/\\&/g'))"
  # The runner colours its output and echoes each command line; the log keeps the findings.
  local start=$SECONDS
  if ! "$runner" -p "$build_dir" -j 2 -quiet "^$root/src/.*\.cpp$" 2>&1 |
    sed -e 's/\x1b\[[0-9;]*m//g' -e '/^clang-tidy[-0-9]* .* -p=/d' -e '/^[0-9]* warnings\{0,1\} generated\.$/d'; then
    echo "clang-tidy: warnings in src/, see above ($((SECONDS - start)) s)"
    return 1
  fi
  echo "clang-tidy: no warning in src/ ($((SECONDS - start)) s)"
}

case "${1:-}" in
  format) shift; scripts/ensure-deps.sh --lint; format "$@" ;;
  tidy) shift; scripts/ensure-deps.sh --lint; tidy "$@" ;;
  *) usage ;;
esac
