#!/usr/bin/env bash
# Fuzzes the readers of outside input with libFuzzer (clang): each harness
# runs for MINUTES minutes over a corpus that starts from its seeds (and,
# for the file readers, the example drawings) and grows in build-fuzz/.
# What makes a harness fail is left as build-fuzz/found-READER-*; copy it
# to fuzz/found/READER/ with the fix, and the test command replays it.
#   scripts/fuzz.sh MINUTES [READER...]     READER: command_file, buffer_file, ...
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-1}
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do readers+=("$(basename "$f" .cpp | sed 's/^fuzz_//')"); done
fi
command -v clang++ >/dev/null || { echo "clang++ is needed for fuzzing" >&2; exit 2; }
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPLIVET_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build-fuzz -j "$(nproc)"
for reader in "${readers[@]}"; do
  corpus=build-fuzz/corpus/$reader
  mkdir -p "$corpus"
  cp -n fuzz/seeds/"$reader"/* "$corpus"/ 2>/dev/null || true
  if [ "$reader" = command_file ] || [ "$reader" = buffer_file ]; then
    find examples -name '*.plv' -exec cp -n {} "$corpus"/ \;
  fi
  echo "== $reader: $minutes minute(s)"
  LSAN_OPTIONS=suppressions=tests/support/leak_suppressions.txt \
  build-fuzz/fuzz_"$reader" -max_total_time=$((minutes * 60)) -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/found-"$reader"- "$corpus" > build-fuzz/fuzz-"$reader".log 2>&1 || true
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)" build-fuzz/fuzz-"$reader".log || true
  ls build-fuzz/found-"$reader"-* 2>/dev/null || echo "no findings"
done
