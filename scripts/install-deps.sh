#!/usr/bin/env bash
# Installs the Debian 12 packages Lumenpause needs, skipping those already present. Runs apt
# as root, or through sudo, never with recommended packages.
#
#   scripts/install-deps.sh run    what building and running the application need
#   scripts/install-deps.sh test   that, and what the test suite and benchmarks need
#
# The run set stays clear of any sound server: Lumenpause speaks to whichever one the desktop
# has (PulseAudio or PipeWire) through the PulseAudio client library, so installing it on a
# PipeWire desktop must not bring in a second server. The test set does install PulseAudio:
# the test services start a private one of their own.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  libx11-dev libxi-dev libxcb1-dev libxcb-xinput-dev libxcb-keysyms1-dev
  libxcb-screensaver0-dev libxcb-dpms0-dev libxcb-shape0-dev libxcb-sync-dev libxcb-res0-dev
  libpulse-dev libsystemd-dev
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool openbox wmdocker imagemagick
  pulseaudio pulseaudio-utils dbus dbus-bin libglib2.0-bin python3-dbusmock at-spi2-core
  desktop-file-utils appstream
)

case ${1:-} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
  echo "usage: $0 run|test" >&2
  exit 2
  ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if ((EUID == 0)); then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: these packages are missing and there is neither root nor sudo:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
