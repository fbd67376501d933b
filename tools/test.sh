#!/usr/bin/env bash
# Runs every test: the portable code natively (with AddressSanitizer and UBSan), then the
# 32-bit and 64-bit Windows builds under Wine, each test in a throwaway Wine prefix.
# Installs what it needs from Debian's packages first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cd "$root"
source tools/wine-env.sh
for preset in host win32 win64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    if [ "$preset" = win32 ] && ! qv_wine_runs_32bit; then
        # The 32-bit build is still compiled and linked above; only running it needs a
        # kernel that executes 32-bit code.
        echo "== win32: tests NOT RUN: this machine's kernel runs no 32-bit programs" \
            "(Wine's 32-bit loader fails: $(/usr/lib/wine/wine --version 2>&1 | head -n 1))"
        continue
    fi
    ctest --preset "$preset" -j "$(nproc)"
done
