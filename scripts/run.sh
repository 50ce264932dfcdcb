#!/usr/bin/env bash
# Installs what building and running need, builds the application alone (no tests, tools or
# benchmarks) in a build folder of its own, and starts it. Arguments go to the application.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-app"
"$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMENPAUSE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target lumenpause
exec "$build/lumenpause" "$@"
