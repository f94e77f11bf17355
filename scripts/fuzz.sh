#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# seconds (default 20), seeded from the shipped files. A crash fails the run
# and leaves the input that caused it in build-fuzz/artifacts/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
secs="${1:-20}"
out="${PAROLIX_FUZZ_BUILD:-$here/build-fuzz}"
command -v clang++ >/dev/null || { echo "clang++ not found: fuzzing skipped"; exit 0; }
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPAROLIX_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out" -j2 --target fuzzers >/dev/null
mkdir -p "$out/artifacts"

seed() { # target, files...
  local dir="$out/corpus/$1"; shift
  mkdir -p "$dir"
  for f in "$@"; do if [ -f "$f" ]; then cp "$f" "$dir/"; fi; done
  echo "$dir"
}
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp"
run() { # target, corpus
  echo "fuzzing $1 for ${secs}s"
  "$out/fuzz/$1" -max_total_time="$secs" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$out/artifacts/$1-" "$2" >"$out/$1.log" 2>&1 || {
      echo "$1 found a fault:"; tail -n 40 "$out/$1.log"; exit 1; }
  grep -E '^#[0-9]+.*DONE' "$out/$1.log" | tail -n 1 || true
}
numbers="$(seed numbers)"
i=0
for n in '41' '3 0' '&H1F' '&O17' '-0.4' '60.5' '25abc' '1.5D2' '9E99999'; do
  printf '%s' "$n" > "$numbers/seed$((i++))"
done
run fuzz_leading_number "$numbers"
run fuzz_word_list "$(seed words "$here/data/lexorda.DAT")"
run fuzz_records "$(seed records "$here"/tests/records/data/*.Sco)"
run fuzz_settings "$(seed settings "$here"/tests/records/data/*.ini)"
run fuzz_wmf "$(seed wmf "$here"/data/*.wmf)"
echo "fuzzing: all targets ran clean"
