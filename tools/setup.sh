#!/usr/bin/env bash
# Installs the Debian packages that building and testing need.
# Idempotent: does nothing when every package is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libgtk-3-dev libcairo2-dev libpango1.0-dev
  xvfb xauth xdotool x11-apps fonts-dejavu-core
  openbox                     # a window manager for the GTK window's tests
  python3-mpmath libgsl-dev
  poppler-utils               # pdftotext, pdfinfo and pdftoppm read printed pages back in tests
  x11-utils                   # xwininfo measures VEMDRAW's GTK windows in tests
  python3-pil                 # Pillow decodes VEMDRAW's dumped images in tests
  clang libclang-rt-14-dev    # the fuzz target (libFuzzer)
  # decoders written elsewhere that read the exported images back in tests
  python3-pil imagemagick giflib-tools netpbm gifsicle
  desktop-file-utils          # desktop-file-validate checks the installed entries
)

# Benchmark-only: the evaluator is compared with muParser in bench/; never
# linked into the program or its tests.
packages+=(
  libmuparser-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
