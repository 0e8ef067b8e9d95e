#!/usr/bin/env bash
# The AVX2 kernel of the 32-bit build keeps its ymm values in registers: a ymm load or store
# addressed off the stack would need 32-byte alignment that a 32-bit Windows caller does not
# give. Checks every object file given whose name marks it as the AVX2 kernel.
set -eu
checked=0
for obj in "$@"; do
  case "$obj" in *pairs_avx2*) ;; *) continue ;; esac
  checked=$((checked + 1))
  spills=$(i686-w64-mingw32-objdump -d "$obj" | grep -E 'ymm' | grep -E '\(%(esp|ebp)' || true)
  if [ -n "$spills" ]; then
    echo "$obj keeps ymm values on the stack:"; echo "$spills"; exit 1
  fi
  echo "$obj: no ymm value on the stack"
done
[ "$checked" -gt 0 ]
