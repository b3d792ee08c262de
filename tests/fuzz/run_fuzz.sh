#!/usr/bin/env bash
# Configures a clang build with the libFuzzer targets, builds one and runs it. Exits
# non-zero when the fuzzer finds a crash, a sanitizer report or a hang.
#   tests/fuzz/run_fuzz.sh [build-dir (default build-fuzz)] [seconds (default 30)] [fuzz_eval|fuzz_ini|fuzz_tasks]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-build-fuzz}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
seconds="${2:-30}"
target="${3:-fuzz_eval}"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DZELVIK_BUILD_FUZZ=ON -DZELVIK_BUILD_UI=OFF -DZELVIK_BUILD_BENCH=OFF
cmake --build "$build" -j2 --target "$target"

corpus="$build/fuzz/corpus-${target#fuzz_}"
artifacts="$build/fuzz/artifacts/"
mkdir -p "$corpus" "$artifacts"
if [ "$target" = fuzz_ini ]; then
  [ -n "$(ls -A "$corpus")" ] || printf '[Setting]\r\ndanwei=1\r\n[\xbd\xc7\xb8\xd6]\r\n\xd0\xcd\xba\xc5\x31=a\r\n' >"$corpus/seed0"
  exec "$build/tests/fuzz/fuzz_ini" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"
fi
if [ "$target" = fuzz_tasks ]; then
  # Three bytes choosing the second, then a task section (GBK "任务01").
  [ -n "$(ls -A "$corpus")" ] || printf '\x0b\x07\x0a[\xc8\xce\xce\xf101]\nrenwuxiang01=0\nzhouqi01=0\nmonth01=12\ndate01=8\nhour01=10\nminute01=11\nsecond01=7\ntxy01=A\n' >"$corpus/seed0"
  exec "$build/tests/fuzz/fuzz_tasks" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"
fi
if [ -z "$(ls -A "$corpus")" ]; then
  i=0
  for seed in "1200+350" "2x6000" "sqrt(2)*100" "3(2+5)" "-2*3" "pow(2,(-1))" \
              "mod(-7,3)" "acos(0.5)" "cot(45)" "EXP(1)" "[1+2]*{3}" ".5+5." \
              "（1+2）×3" "8÷2" "12　00"; do
    printf '%s' "$seed" >"$corpus/seed$i"
    i=$((i + 1))
  done
fi

exec "$build/tests/fuzz/fuzz_eval" \
  -max_total_time="$seconds" -max_len=256 -timeout=10 \
  -dict="$root/tests/fuzz/eval.dict" -artifact_prefix="$artifacts" \
  -print_final_stats=1 "$corpus"
