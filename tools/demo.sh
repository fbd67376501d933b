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
qv_wine_exec 32 "$(qv_winpath "$build/tests/setup/qv_install_walkthrough.exe")"
echo
echo "== A script client of the installed library"
qv_wine_exec 32 cscript //nologo "$(qv_winpath "$root/tools/demo-client.vbs")"
echo
echo "Done: the package is in $build/package, the screenshots in $build/screenshots/walkthrough."
