#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Builds the fuzz targets with clang and runs each for the given number of
# seconds (default 20), two at a time (one a core), seeded from the shipped
# files. A crash fails the run and leaves the input that caused it in
# build-fuzz/artifacts/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
secs="${1:-20}"
out="${PAROLIX_FUZZ_BUILD:-$here/build-fuzz}"
command -v clang++ >/dev/null || { echo "clang++ not found: fuzzing skipped"; exit 0; }
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
  -DPAROLIX_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out" -j2 --target fuzzers >"$out/build.log" 2>&1 || {
  echo "building the fuzzers failed:"; tail -n 30 "$out/build.log"; exit 1; }
mkdir -p "$out/artifacts"

seed() { # target, files...
  local dir="$out/corpus/$1"; shift
  mkdir -p "$dir"
  for f in "$@"; do if [ -f "$f" ]; then cp "$f" "$dir/"; fi; done
  echo "$dir"
}
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp"
targets=()
corpora=()
limits=()
# target, corpus, then how long and how much memory one input may take
add() { targets+=("$1"); corpora+=("$2"); limits+=("${3:--timeout=10 -rss_limit_mb=2048}"); }
fuzz() { # target, corpus, limits
  # shellcheck disable=SC2086 # the limits are several options
  "$out/fuzz/$1" -max_total_time="$secs" -max_len=65536 $3 \
    -artifact_prefix="$out/artifacts/$1-" "$2" >"$out/$1.log" 2>&1
}
numbers="$(seed numbers)"
i=0
for n in '41' '3 0' '&H1F' '&O17' '-0.4' '60.5' '25abc' '1.5D2' '9E99999'; do
  printf '%s' "$n" > "$numbers/seed$((i++))"
done
add fuzz_leading_number "$numbers"
add fuzz_word_list "$(seed words "$here/data/lexorda.DAT")"
add fuzz_records "$(seed records "$here"/tests/rules/records/data/*.Sco)"
add fuzz_settings "$(seed settings "$here"/tests/rules/records/data/*.ini)"
# Pictures built to be costly, each within the 64 KB an input may have:
# shapes of thousands of points zigzagging across a tile and across a
# screen-sized window, thousands of tiny shapes, a tiny file with a window
# of 4096 x 4096. A picture must be drawn or refused within the time and
# memory below (the sanitizers make the drawing some times slower than in
# the game), else the fuzzer reports it.
wmfs="$(seed wmf "$here"/data/*.wmf)"
python3 - "$wmfs" <<'EOF'
import random, struct, sys
def rec(function, *words):
    return struct.pack('<IH', 3 + len(words), function) + struct.pack('<%dh' % len(words), *words)
def picture(name, side, body):
    records = rec(0x020B, 0, 0) + rec(0x020C, side, side) + rec(0x02FC, 0, 0x1EC8, 30, 0) + rec(0x012D, 0)
    records += body + rec(0x0000)
    header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(records)) // 2, 1, 0, 0)
    open(sys.argv[1] + '/' + name, 'wb').write(header + records)
rnd = random.Random(26)
def zigzag(polygons, points, side):
    return b''.join(rec(0x0324, points, *[rnd.randrange(side) for _ in range(2 * points)]) for _ in range(polygons))
picture('costly-zigzag-tile', 100, zigzag(2, 8000, 100))
picture('costly-zigzag-screen', 1900, zigzag(8, 2000, 1900))
picture('costly-specks', 100, b''.join(rec(0x041B, i // 100 % 100 + 1, i % 100 + 1, i // 100 % 100, i % 100) for i in range(4600)))
picture('costly-window', 4096, rec(0x0418, 4096, 4096, 0, 0))
# A bitmap blit that says it holds no bitmap and is two bytes short of its
# destination, the last bytes of a file with no end record.
def ends_short(name, function, words):
    records = rec(0x020B, 0, 0) + rec(0x020C, 100, 100) + rec(function, *words)
    header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(records)) // 2, 1, 0, 0)
    open(sys.argv[1] + '/' + name, 'wb').write(header + records)
ends_short('short-stretch-blit-last', 0x0A41, [0] * 10)
ends_short('short-blit-last', 0x0841, [0] * 8)
EOF
add fuzz_wmf "$wmfs" "-timeout=3 -rss_limit_mb=1024 -malloc_limit_mb=100"

# Bitmaps for the decoder alone, one of each depth, written here byte by byte
# (printf escapes, so that zero bytes survive).
dibs="$(seed dib)"
le32() { printf '\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
ramp() { local i; for ((i = 0; i < $1; i++)); do printf '\\x%02x' $((i * 37 + 11 & 255)); done; }
dib() { # name width height bits compression colours, then palette, masks and rows as escapes
  printf "$(le32 40)$(le32 "$2")$(le32 "$3")\\x01\\x00$(printf '\\x%02x\\x00' "$4")$(le32 "$5")$(le32 0)$(le32 0)$(le32 0)$(le32 "$6")$(le32 0)$7" \
    >"$dibs/$1"
}
dib 1bit 37 3 1 0 2 "$(ramp 8)$(ramp 24)"
dib 4bit 5 -4 4 0 16 "$(ramp 64)$(ramp 16)"
dib 8bit 3 3 8 0 4 "$(ramp 16)$(ramp 12)"
dib 16bit-565 3 2 16 3 0 "$(le32 0xF800)$(le32 0x07E0)$(le32 0x001F)$(ramp 16)"
dib 24bit 3 -2 24 0 0 "$(ramp 24)"
dib 32bit 2 2 32 0 0 "$(ramp 16)"
add fuzz_dib "$dibs"

for ((k = 0; k < ${#targets[@]}; k += 2)); do
  pids=()
  for t in $k $((k + 1)); do
    [ "$t" -lt ${#targets[@]} ] || continue
    echo "fuzzing ${targets[t]} for ${secs}s"
    fuzz "${targets[t]}" "${corpora[t]}" "${limits[t]}" &
    pids+=("$!")
  done
  for j in "${!pids[@]}"; do
    t=$((k + j))
    wait "${pids[j]}" || { echo "${targets[t]} found a fault:"; tail -n 40 "$out/${targets[t]}.log"; exit 1; }
    echo "${targets[t]}: $(grep -E '^#[0-9]+.*DONE' "$out/${targets[t]}.log" | tail -n 1)"
  done
done
echo "fuzzing: all targets ran clean"
