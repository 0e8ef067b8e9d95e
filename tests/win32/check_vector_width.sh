#!/usr/bin/env bash
# The 32-bit plug-ins run 128-bit vector code only: on some processors a single 256-bit
# instruction slows every later SSE instruction of the whole process, the host's included.
# Fails when the object code of any DLL given names a ymm or zmm register.
set -eu
status=0
for dll in "$@"; do
  code=$(i686-w64-mingw32-objdump -d --no-show-raw-insn "$dll")
  instructions=$(grep -c $'^ *[0-9a-f]\+:\t' <<<"$code" || true)
  wide=$(grep -E '%[yz]mm[0-9]' <<<"$code" || true)
  if [ -n "$wide" ] || [ "$instructions" -eq 0 ]; then
    echo "$dll: $instructions instructions, 256- or 512-bit registers in:"
    head -n 20 <<<"$wide"
    status=1
  else
    echo "$dll: $instructions instructions, none with a ymm or zmm register"
  fi
done
exit $status
