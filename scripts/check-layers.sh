#!/usr/bin/env bash
# src/core is the ground every other folder of src/ stands on: a file of it may include its
# own folder's headers and outside libraries, never a folder above it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
above=$(ls -d src/*/ | sed 's#^src/##; s#/$##' | grep -v '^core$' | paste -sd'|')
if hits=$(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"($above)/" src/core/*); then
  echo "check-layers: src/core includes a folder above it:" >&2
  echo "$hits" >&2
  exit 1
fi
echo "check-layers: src/core includes nothing above it"
