# Sourced by the Wine launchers: throwaway Wine prefixes for tests and the demonstration.
# A prefix is made once per Wine version as a template, then each run gets its own
# hard-linked copy (instant) with private registry files, and its own wineserver.
# Never touches the user's own prefix.

qv_wine_root="${TMPDIR:-/tmp}/quorvane-wine-$(id -u)"
qv_wine_template="$qv_wine_root/template-$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' '_')"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Numeric conversions follow the user's locale: pin it so results do not depend on the host.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

qv_wine_loader() {  # 32 or 64
    if [ "$1" = 64 ]; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Bitness of a PE file: 64 for x86-64, 32 otherwise.
qv_pe_bits() {
    local header machine
    header=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
    machine=$(od -An -t x2 -j $((header + 4)) -N 2 "$1" | tr -d ' ')
    if [ "$machine" = 8664 ]; then echo 64; else echo 32; fi
}

# A host path as Wine sees it through drive Z:.
qv_winpath() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

qv_wine_make_template() {
    mkdir -p "$qv_wine_root"
    (
        flock 9
        [ -d "$qv_wine_template" ] && exit 0
        local building
        building=$(mktemp -d "$qv_wine_root/building.XXXXXX")
        echo "wine-env: making a Wine prefix template (once per Wine version)..." >&2
        (
            unset DISPLAY
            export WINEPREFIX="$building"
            wineboot -i >"$building.log" 2>&1
            # No window manager under Xvfb: unmanaged windows close without a 2 s stall.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$building.log" 2>&1
            # Programs run without a display unless a run asks for one.
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$building.log" 2>&1
            wineserver -w
        )
        grep -q '"Graphics"="null"' "$building/user.reg" || {
            echo "wine-env: could not make the Wine prefix (see $building.log)" >&2
            exit 1
        }
        mv "$building" "$qv_wine_template"
    ) 9>"$qv_wine_root/template.lock"
}

# Makes a new prefix for this run and exports WINEPREFIX. With "gui", the prefix uses the
# X11 driver on a private Xvfb display (exported as DISPLAY).
qv_wine_start() {
    qv_wine_make_template || return 1
    WINEPREFIX=$(mktemp -d "$qv_wine_root/run.XXXXXX")
    export WINEPREFIX
    cp -al "$qv_wine_template/." "$WINEPREFIX/"
    local reg
    for reg in system.reg user.reg userdef.reg; do
        cp --remove-destination "$qv_wine_template/$reg" "$WINEPREFIX/$reg"
    done
    qv_xvfb_pid=""
    if [ "${1:-}" = gui ]; then
        sed -i 's/"Graphics"="null"/"Graphics"="x11"/' "$WINEPREFIX/user.reg"
        local display_file="$WINEPREFIX/display"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" \
            >"$WINEPREFIX/xvfb.log" 2>&1 &
        qv_xvfb_pid=$!
        local tries=0
        while [ ! -s "$display_file" ] && [ $tries -lt 100 ]; do sleep 0.05; tries=$((tries + 1)); done
        export DISPLAY=":$(cat "$display_file")"
    else
        unset DISPLAY
    fi
    wineserver -p
    trap qv_wine_stop EXIT
}

qv_wine_stop() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    [ -n "${qv_xvfb_pid:-}" ] && kill "$qv_xvfb_pid" 2>/dev/null && wait "$qv_xvfb_pid" 2>/dev/null
    if [ -n "${QV_WINE_KEEP:-}" ]; then
        echo "wine-env: prefix kept at $WINEPREFIX" >&2
    else
        rm -rf "$WINEPREFIX"
    fi
    WINEPREFIX=""
}

# Registers each COM server of a colon-separated list with regsvr32 in the current prefix.
qv_wine_register() {
    local server
    local IFS=:
    for server in $1; do
        [ -n "$server" ] || continue
        if ! wine regsvr32 /s "$(qv_winpath "$server")" >"$WINEPREFIX/regsvr32.log" 2>&1; then
            echo "wine-env: regsvr32 failed for $server" >&2
            cat "$WINEPREFIX/regsvr32.log" >&2
            return 1
        fi
    done
}

# Runs a Windows program with the loader of the given bitness, its output through a file
# (a pipe could be held open by Wine's own processes).
qv_wine_exec() {
    local bits=$1
    shift
    local output="$WINEPREFIX/program-output.$$"
    local status=0
    "$(qv_wine_loader "$bits")" "$@" >"$output" 2>&1 || status=$?
    cat "$output"
    rm -f "$output"
    return $status
}
