#!/usr/bin/env bash
# Runs every test: the portable code natively (with AddressSanitizer and UBSan), then the
# 32-bit and 64-bit Windows builds under Wine, each test in a throwaway Wine prefix.
# Installs what it needs from Debian's packages first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cd "$root"
for preset in host win32 win64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done
