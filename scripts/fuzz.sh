#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed time (seconds, default 120) on a
# copy of the checked-in corpus. Findings land in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
scripts/deps.sh
command -v clang++ > /dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq clang libclang-rt-14-dev; }
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHX7_FUZZ=ON \
      -DBUILD_TESTING=OFF > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_configfile fuzz_profile fuzz_controller
for target in configfile profile controller; do
    work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    cp -n fuzz/corpus/$target/* "$work"/ 2>/dev/null || true
    echo "== fuzz_$target for $seconds s"
    (cd "$findings" && ../../fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 "../../../$work" \
        2>&1 | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY)' || true)
done
