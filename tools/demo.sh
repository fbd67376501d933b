#!/usr/bin/env bash
# The product at work: builds the 32-bit package, then, in a throwaway Wine prefix on a
# private X display with the stand-in "Excel.application", runs QV_Setup.exe from the
# package through its pages as a user would (driven by tests/setup/wine/InstallWalkthrough),
# prints what was installed, and has a VBScript client create IQV_v011.CLibrary, store a
# toolbar setting and read it back. Installs what it needs from Debian's packages first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cd "$root"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target package qv_install_walkthrough
build="$root/build/win32"
rm -rf "$build/screenshots/walkthrough"
mkdir -p "$build/screenshots/walkthrough"

source "$root/tools/wine-env.sh"
qv_wine_start gui
echo "== QV_Setup.exe through its pages (Wine prefix $WINEPREFIX, display $DISPLAY)"
if ! qv_wine_exec 32 "$(qv_winpath "$build/tests/setup/qv_install_walkthrough.exe")"; then
    echo "demo.sh: FAILED: the walkthrough of QV_Setup.exe did not succeed (see above)" >&2
    exit 1
fi
echo
echo "== A script client of the installed library"
# cscript exits 0 even after an uncaught error: the client checks each of its steps and
# prints this closing line only when all of them succeeded.
client_done="The script client's steps all succeeded."
client_output="$WINEPREFIX/demo-client.txt"
client_status=0
qv_wine_exec 32 cscript //nologo "$(qv_winpath "$root/tools/demo-client.vbs")" \
    >"$client_output" || client_status=$?
tr -d '\r' <"$client_output"
client_last=$(tr -d '\r' <"$client_output" | grep -v '^[[:space:]]*$' | tail -n 1 || true)
if [ "$client_status" -ne 0 ] || [ "$client_last" != "$client_done" ]; then
    echo "demo.sh: FAILED: the script client did not get through its steps (its output above" \
        "says where it stopped)" >&2
    exit 1
fi
echo
echo "Done: the package is in $build/package, the screenshots in $build/screenshots/walkthrough."
