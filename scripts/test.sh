#!/usr/bin/env bash
# Installs what is missing, builds Lumenpause twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole test suite in each build, the integration
# tests against the real services that tests/services.sh starts.
#
#   scripts/test.sh [plain|sanitized ...]   (default: both, in that order)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

suites=("$@")
((${#suites[@]} > 0)) || suites=(plain sanitized)
for suite in "${suites[@]}"; do
  if [[ $suite != plain && $suite != sanitized ]]; then
    echo "usage: $0 [plain|sanitized ...]" >&2
    exit 2
  fi
done

"$root/scripts/check-layers.sh"
"$root/scripts/install-deps.sh" test

run_suite() {
  local dir=$1
  echo "== tests in $dir"
  LUMENPAUSE_REQUIRE_SERVICES=1 "$root/tests/services.sh" \
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs"
}

# The plain build carries no debug information: the suite needs none, and on a two-core
# machine it is a good part of the build's time.
plain() {
  "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release
  run_suite "$root/build"
}

# The sanitized build keeps line tables for its reports' stack traces.
sanitized() {
  "$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DLUMENPAUSE_SANITIZE=ON
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
  run_suite "$root/build-sanitize"
}

for suite in "${suites[@]}"; do
  "$suite"
done
