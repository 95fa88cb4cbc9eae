#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs when they are missing.
# Usage: scripts/ensure-deps.sh [--cross] [--lint] [--fuzz]
#   --cross adds the mingw-w64 cross compilers (x86_64 and i686, posix threads), 64-bit
#   Wine to run Corvane.dll's tests and Xvfb for its dialogs; --lint adds clang-format and
#   clang-tidy;
#   --fuzz adds clang and its runtime libraries (libFuzzer and the sanitizers), both in
#   Debian's default clang version.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libicu-dev libssl-dev libcurl4-openssl-dev libyaml-cpp-dev libpugixml-dev)
for arg in "$@"; do
  case "$arg" in
    --cross) packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 wine xvfb xauth) ;;
    --lint) packages+=(clang-format clang-tidy) ;;
    --fuzz) packages+=(clang libclang-rt-dev) ;;
    *) echo "unknown option $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then sudo=sudo; else sudo=; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
