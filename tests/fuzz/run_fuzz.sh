#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures a clang build with the libFuzzer targets, builds one and runs it. Exits
# non-zero when the fuzzer finds a crash, a sanitizer report or a hang.
#   tests/fuzz/run_fuzz.sh [build-dir (default build-fuzz)] [seconds (default 30)]
#                          [fuzz_eval|fuzz_ini|fuzz_tasks|fuzz_list_file|fuzz_gif]
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
if [ "$target" = fuzz_list_file ]; then
  [ -n "$(ls -A "$corpus")" ] || printf 'filelist 1\n[newversion]\r\nnewversion=4.3\r\n[upexe]\r\nupexe=zelvik43\r\n[upnumber]\r\nupnumber=2\r\n[filelist]\r\n1=zelvik43\r\n2=doc/\xb8\xd6.txt\r\n[sha256]\r\n1=%064d\r\n2=%064d\r\n' 0 0 >"$corpus/seed0"
  exec "$build/tests/fuzz/fuzz_list_file" -max_total_time="$seconds" -max_len=2048 -timeout=10 \
    -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"
fi
if [ "$target" = fuzz_gif ]; then
  if [ -z "$(ls -A "$corpus")" ]; then
    cp "$root/resources/ad.gif" "$corpus/seed0"
    # Two 1x1 frames, the first with a graphic control extension, then the trailer.
    printf 'GIF89a\x02\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x08\x32\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00,\x01\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02L\x01\x00;' >"$corpus/seed1"
  fi
  exec "$build/tests/fuzz/fuzz_gif" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
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
