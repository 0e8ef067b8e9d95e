#!/usr/bin/env bash
# Installs what the builds and tests need, once per machine (Debian packages only).
set -euo pipefail

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v clang++ >/dev/null || need+=(clang)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386)
for pkg in googletest libgtest-dev libbenchmark-dev libclang-rt-14-dev x11-utils x11-apps imagemagick fonts-wine; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}" >/dev/null
fi
