#!/usr/bin/env bash
# Every test: native unit tests under ASan/UBSan, then the real DLLs under Wine with an Xvfb
# display. Ends with one line "tests: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine_env.sh
source scripts/machine.sh

passed=0
failed=0
tally() {  # reads a ctest log and adds its counts
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}
repeated_tests() {  # reads a ctest log: "name (N tries, passed|failed)" for each test run again
  awk '
    /^ *Start +[0-9]+: / { sub(/^ *Start +[0-9]+: /, ""); if (!tries[$0]++) order[++n] = $0; next }
    / Test +#[0-9]+: / {
      name = $0; sub(/^.* Test +#[0-9]+: /, "", name); sub(/ \.+.*$/, "", name)
      last[name] = / Passed / ? "passed" : "failed"
    }
    END { for (i = 1; i <= n; ++i) if (tries[order[i]] > 1) printf "%s (%d tries, %s)\n", order[i], tries[order[i]], last[order[i]] }
  ' "$1"
}
run_step() {  # name, command...: a build step that must succeed
  local name=$1; shift
  if ! "$@" >"/tmp/plugins-$name.log" 2>&1; then
    echo "FAILED: $name (see below)"; tail -n 40 "/tmp/plugins-$name.log"; failed=$((failed + 1))
    return 1
  fi
}

echo "== native build and unit tests"
if run_step native-configure cmake --preset native && run_step native-build cmake --build --preset native; then
  ctest --preset native 2>&1 | tee /tmp/plugins-native-ctest.log | tail -n 4
  tally /tmp/plugins-native-ctest.log
fi

echo "== fuzzing the engine with hostile blocks and calls (short run)"
run_step fuzz bash tests/fuzz/run_fuzz.sh "${FUZZ_RUNS:-30000}" 1 && passed=$((passed + 1)) \
  && grep -h "stat::number_of_executed_units" build/fuzz/logs-*/main.log | sed 's/^/  /'

echo "== benchmark, briefly (figures in docs/performance.md come from the release builds)"
run_step bench build/native/tests/bench/bench_tarnwick --benchmark_filter=Response \
  --benchmark_min_time=0.01 && passed=$((passed + 1)) && tail -n 3 /tmp/plugins-bench.log

echo "== win32 build and tests under Wine"
if run_step win32-configure cmake --preset win32 && run_step win32-build cmake --build --preset win32; then
  start_display
  start_wine
  trap stop_services EXIT
  # On a machine whose kernel runs 32-bit programs only through the user-mode emulator, Wine's
  # own desktop process now and then dies under it and takes a test program with it, or leaves
  # it waiting: there a program that failed or ran past the time limit is run again, up to three
  # times in all. Elsewhere a failure counts the first time, so that a flaky test shows.
  repeat=()
  runs_32bit_emulated && repeat=(--repeat until-pass:3)
  ctest --preset win32 --timeout 400 "${repeat[@]}" 2>&1 | tee /tmp/plugins-win32-ctest.log | tail -n 4
  tally /tmp/plugins-win32-ctest.log
  repeated=$(repeated_tests /tmp/plugins-win32-ctest.log)
  echo "  screenshots of the dialogs: $(ls out/win32/screenshots/*.png 2>/dev/null | wc -l) in out/win32/screenshots"
  echo "== timing loop of the Windows build, briefly"
  run_step timing bash -c "cd out/win32 && wine timing_tarnwick.exe brief" \
    && passed=$((passed + 1)) && cat /tmp/plugins-timing.log
fi

echo
if [ -n "${repeated:-}" ]; then
  echo "run again after a failure:"
  sed 's/^/  /' <<<"$repeated"
else
  echo "run again after a failure: none"
fi
echo "tests: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
