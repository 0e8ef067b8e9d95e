#!/usr/bin/env bash
# The main job: build the plug-ins if needed, then let the host stand-in walk a host's road
# through each of them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine_env.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null
start_wine
trap stop_services EXIT
status=0
for dll in Tarnwick Brenlowe Pirrowan; do
  (cd out/win32 && wine host_standin.exe "$dll.dll" "$@") || status=1
  echo
done
exit $status
