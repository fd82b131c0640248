#!/bin/sh
# Runs a long range of random editor sessions and tells how many ran clean:
#   scripts/soak_sessions.sh [FIRST [COUNT]]     (seeds FIRST to FIRST+COUNT-1)
# Each failing session's report, with the scripts that replay it, is kept
# in build/soak_sessions.log.
set -eu
first=${1:-1000}
count=${2:-2000}
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja -DPLIVET_BENCH=OFF >/dev/null
cmake --build "$root/build" --target test_sessions >/dev/null
log="$root/build/soak_sessions.log"
status=0
PLIVET_SESSION_SEEDS="$first:$count" "$root/build/test_sessions" --gtest_filter='Sessions.Random*' >"$log" 2>&1 || status=$?
grep -E '^seed [0-9]+, action' "$log" | cut -c1-160 || true
summary=$(grep '^sessions clean:' "$log" || echo "no summary: see $log")
echo "seeds $first to $((first + count - 1)): $summary"
exit $status
