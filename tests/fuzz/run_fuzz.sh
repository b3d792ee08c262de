#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures a clang build with the libFuzzer targets, builds one and runs it. Exits
# non-zero when the fuzzer finds a crash, a sanitizer report or a hang.
#   tests/fuzz/run_fuzz.sh [build-dir (default build-fuzz)] [seconds (default 30)]
#                          [fuzz_eval|fuzz_ini|fuzz_tasks|fuzz_list_file|fuzz_gif|fuzz_spec|
#                           fuzz_list_csv|fuzz_list_paste|fuzz_pieces_csv]
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
if [ "$target" = fuzz_spec ]; then
  if [ -z "$(ls -A "$corpus")" ]; then
    i=0
    for seed in "L50×5" "∠63×40×5" "[20a" "I20a" "HN400×200" "H400×200×8×13" "Φ108×4" "DN25×3.25" \
                "1-1/4'×3.25" "□100×100×4" "-10×1500×6000" "-50×5" "六角20" "Φ20 HRB400" "GB 5782 M20×100" \
                "螺母M20" "开口销φ2×20" "6×19-20钢芯" "菱形花纹板δ4 1500×6000" "冷弯L50×50×3" "Ｌ５０ｘ５"; do
      printf '%s' "$seed" >"$corpus/seed$i"
      i=$((i + 1))
    done
  fi
  exec "$build/tests/fuzz/fuzz_spec" -max_total_time="$seconds" -max_len=128 -timeout=10 \
    -dict="$root/tests/fuzz/spec.dict" -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"
fi
if [ "$target" = fuzz_list_csv ]; then
  if [ -z "$(ls -A "$corpus")" ]; then
    printf '\xef\xbb\xbf序号,品名,规格,材质,长度(mm),数量,单重,单位,单价,计价方式,金额(元),备注,密度(t/m3)\r\n1,品,L50,Q235B,6000,10,3.77,kg/m,4200,元/吨,950.04,"a, ""b""\nc",7.85\r\n2,品,-10,,,3,,,12.5,元/千克,,,7.93\r\n' >"$corpus/seed0"
    printf 'Quantity;Spec;Length (m)\nL1;1,5;2\n' >"$corpus/seed1"
    # GBK: 规格,长度,数量 over one row.
    printf '\xb9\xe6\xb8\xf1,\xb3\xa4\xb6\xc8,\xca\xfd\xc1\xbf\r\nL50,6000,2\r\n' >"$corpus/seed2"
  fi
  exec "$build/tests/fuzz/fuzz_list_csv" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"
fi
if [ "$target" = fuzz_list_paste ]; then
  if [ -z "$(ls -A "$corpus")" ]; then
    printf '规格\t长度\t数量\nL50\t6,000\t2\n-10\t3\n"L50\t1\t1\n' >"$corpus/seed0"
    printf 'L50,6000,3,Q345B,4.5,元/千克,"x\ny"\n' >"$corpus/seed1"
  fi
  exec "$build/tests/fuzz/fuzz_list_paste" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"
fi
if [ "$target" = fuzz_pieces_csv ]; then
  if [ -z "$(ls -A "$corpus")" ]; then
    printf '\xef\xbb\xbf\xe9\x95\xbf\xe5\xba\xa6,\xe6\x95\xb0\xe9\x87\x8f,\xe6\xa0\x87\xe7\xad\xbe\r\n2350,14,A\r\n1780,9,"a, ""b"""\r\n' >"$corpus/seed0"
    printf 'label;quantity;length\nB-1;2;1200.5\n\n960\t22\n' >"$corpus/seed1"
  fi
  exec "$build/tests/fuzz/fuzz_pieces_csv" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
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
