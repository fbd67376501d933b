#!/usr/bin/env bash
# The product at work: builds the 32-bit binaries, registers IQV_v011.dll in a throwaway
# Wine prefix and runs a VBScript client that creates IQV_v011.CLibrary, stores a toolbar
# setting and reads it back. Installs what it needs from Debian's packages first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cd "$root"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target IQV_v011
library="$root/build/win32/library/com/IQV_v011.dll"

source "$root/tools/wine-env.sh"
qv_wine_start
echo "Registering $(qv_winpath "$library") with regsvr32 in a throwaway prefix..."
qv_wine_register "$library"
qv_wine_exec 32 cscript //nologo "$(qv_winpath "$root/tools/demo-client.vbs")"
