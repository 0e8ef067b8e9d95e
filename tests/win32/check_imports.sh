#!/usr/bin/env bash
# Each plug-in may import only from the system DLLs of a stock Windows.
set -eu
status=0
for dll in "$@"; do
  imports=$(i686-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p')
  for name in $imports; do
    case "$(tr '[:upper:]' '[:lower:]' <<<"$name")" in
      kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|msvcrt.dll) ;;
      *) echo "$dll imports $name"; status=1 ;;
    esac
  done
  echo "$dll: $(echo $imports)"
done
exit $status
