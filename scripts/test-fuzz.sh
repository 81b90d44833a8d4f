#!/usr/bin/env bash
# A one-minute libFuzzer run of the receive path under AddressSanitizer and
# UndefinedBehaviorSanitizer, seeded with real frames. Longer: FUZZ_SECONDS=600.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf build-fuzz
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNP72_FUZZ=ON \
  -DNP72_BUILD_TESTS=OFF -DNP72_BUILD_BENCH=OFF -DNP72_SANITIZERS=address,undefined,fuzzer-no-link
cmake --build build-fuzz -j2 --target np72_receive_fuzz
mkdir -p build-fuzz/corpus
build-fuzz/tests/fuzz/np72_receive_fuzz -max_total_time="${FUZZ_SECONDS:-60}" -timeout=5 -print_final_stats=1 \
  build-fuzz/corpus tests/fuzz/corpus
