#!/usr/bin/env bash
# Installs what is needed, builds everything from scratch and runs every test:
# the core and the simulator (also under AddressSanitizer and
# UndefinedBehaviorSanitizer), the Linux front-end, and the Windows front-end
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== Core, simulator and Linux front-end"
rm -rf build-test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNP72_BUILD_QT=ON
cmake --build build-test -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j2

echo "== Core and simulator under AddressSanitizer and UndefinedBehaviorSanitizer"
rm -rf build-sanitize
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNP72_SANITIZERS=address,undefined \
  -DNP72_BUILD_BENCH=OFF
cmake --build build-sanitize -j2
ctest --test-dir build-sanitize --output-on-failure -j2

echo "== Windows front-end under Wine"
NP72_SIMULATOR="$PWD/build-test/sim/pty/np72-sim-pty" scripts/test-win32.sh

echo "== A minute of fuzzing the receive path"
scripts/test-fuzz.sh
echo "All test suites passed."
