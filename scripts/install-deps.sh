#!/usr/bin/env bash
# Installs the Debian 12 packages Lumenpause needs to build, run and test, skipping those
# already present. Runs apt as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  libx11-dev libxi-dev libxcb1-dev libxcb-xinput-dev libxcb-keysyms1-dev
  libxcb-screensaver0-dev libxcb-dpms0-dev libxcb-shape0-dev libxcb-res0-dev libpulse-dev libsystemd-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool openbox wmdocker imagemagick
  pulseaudio pulseaudio-utils dbus dbus-bin libglib2.0-bin python3-dbusmock
)

missing=()
for package in "${packages[@]}"; do
  [[ $package == \#* ]] && continue
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
