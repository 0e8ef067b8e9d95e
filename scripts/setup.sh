#!/usr/bin/env bash
# Installs what the builds and tests need, once per machine (Debian packages only).
set -euo pipefail
source "$(dirname "$0")/machine.sh"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v clang++ >/dev/null || need+=(clang)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386)
# The preloader reserves Wine's fixed address ranges before anything else can take them; under
# the user-mode emulator (below) Wine does not start without it.
dpkg -s wine32-preloader:i386 >/dev/null 2>&1 || need+=(wine32-preloader:i386)
for pkg in googletest libgtest-dev libbenchmark-dev libclang-rt-14-dev x11-utils x11-apps imagemagick fonts-wine; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done

apt_update() {
  # A mirror caught mid-sync fails an index download now and then: try again before going on
  # with what was fetched.
  for attempt in 1 2 3; do
    $SUDO apt-get update -qq && return 0
    echo "apt-get update failed (attempt $attempt)" >&2
    [ "$attempt" -lt 3 ] && sleep 10
  done
  return 0
}
apt_install() {
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$@" >/dev/null && return 0
  # When one architecture's security index could not be fetched, the two architectures' candidates
  # of a shared library differ and the 32-bit packages cannot be resolved; the release's own
  # versions of both always match.
  [ -n "$codename" ] && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq -t "$codename" "$@" >/dev/null
}

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  $SUDO dpkg --add-architecture i386
  apt_update
  apt_install "${need[@]}"
fi

# The plug-ins and the Windows tests are 32-bit code. A kernel booted without 32-bit emulation
# refuses to start 32-bit programs (Wine's loader among them); there the qemu user-mode emulator
# runs them, registered for 32-bit x86 programs with the kernel's binfmt_misc.
if ! runs_32bit; then
  echo "This kernel does not run 32-bit programs: running them through qemu-i386"
  command -v qemu-i386-static >/dev/null || { apt_update; apt_install qemu-user-static; }
  [ -e /proc/sys/fs/binfmt_misc/register ] || $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::${magic}:${mask}:/usr/bin/qemu-i386-static:F" | $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null
  fi
  runs_32bit || { echo "32-bit programs still do not run" >&2; exit 1; }
fi
