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
add() { targets+=("$1"); corpora+=("$2"); } # target, corpus
fuzz() { # target, corpus
  "$out/fuzz/$1" -max_total_time="$secs" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
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
add fuzz_wmf "$(seed wmf "$here"/data/*.wmf)"

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
    fuzz "${targets[t]}" "${corpora[t]}" &
    pids+=("$!")
  done
  for j in "${!pids[@]}"; do
    t=$((k + j))
    wait "${pids[j]}" || { echo "${targets[t]} found a fault:"; tail -n 40 "$out/${targets[t]}.log"; exit 1; }
    echo "${targets[t]}: $(grep -E '^#[0-9]+.*DONE' "$out/${targets[t]}.log" | tail -n 1)"
  done
done
echo "fuzzing: all targets ran clean"
