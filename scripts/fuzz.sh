#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs them one after another on a copy of the checked-in
# corpus, each for a fixed time (seconds, default 120) or a number of inputs (default 10 million),
# whichever comes first. Findings land in build-fuzz/findings/<target>/.
#   scripts/fuzz.sh [seconds [inputs]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
runs=${2:-10000000}
scripts/deps.sh
command -v clang++ > /dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq clang libclang-rt-14-dev; }
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHX7_FUZZ=ON \
      -DBUILD_TESTING=OFF > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_configfile fuzz_profile fuzz_controller fuzz_replystream
for target in configfile profile controller replystream; do
    work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    cp -n fuzz/corpus/$target/* "$work"/ 2>/dev/null || true
    echo "== fuzz_$target: $seconds s or $runs inputs"
    start=$SECONDS
    (cd "$findings" && ../../fuzz/fuzz_$target -max_total_time="$seconds" -runs="$runs" -print_final_stats=1 \
        "../../../$work" 2>&1 | grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY)' || true)
    echo "   $((SECONDS - start)) s"
done
