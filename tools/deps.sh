#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brellow need,
# and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
    build-essential cmake pkg-config clang clang-format libclang-rt-14-dev
    qt6-base-dev libgl-dev qt6-multimedia-dev pulseaudio
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libavfilter-dev
    libgtest-dev libgmock-dev libbenchmark-dev librubberband-dev
    libsqlite3-dev libzip-dev
    ffmpeg sox espeak-ng alsa-utils strace pocketsphinx-testdata
    xvfb xauth imagemagick
    desktop-file-utils appstream dpkg-dev fakeroot file groff-base
    hyperfine time python3
)

# Packages given as arguments, for this run only (tools/screenshots.sh asks for fonts).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
