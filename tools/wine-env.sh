# Sourced by the Wine launchers: throwaway Wine prefixes for tests and the demonstration.
# A prefix is made once per Wine version and template recipe as a template, then each run
# gets its own hard-linked copy (instant) with private registry files, and its own
# wineserver. Never touches the user's own prefix.

qv_wine_root="${TMPDIR:-/tmp}/quorvane-wine-$(id -u)"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Numeric conversions follow the user's locale: pin it so results do not depend on the host.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# ctest kills a launcher that outlives the test's TIMEOUT, and a killed launcher never runs
# its EXIT trap: its wineserver, Wine processes, Xvfb and prefix would stay behind. So
# cmake/Testing.cmake passes the same TIMEOUT as QV_WINE_TIME_LIMIT (seconds), and each Wine
# program is ended 15 s before it (5 s after SIGTERM comes SIGKILL), which leaves the
# launcher 10 s for its own cleanup. $SECONDS counts from the launcher's start, as ctest's
# clock does. Without QV_WINE_TIME_LIMIT, programs run as long as they take.
qv_timed() {
    if [ -z "${QV_WINE_TIME_LIMIT:-}" ]; then
        "$@"
        return
    fi
    local left=$((QV_WINE_TIME_LIMIT - 15 - SECONDS)) status=0
    [ "$left" -ge 1 ] || left=1
    timeout -k 5 "$left" "$@" || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "wine-env: ended after ${left} s, near the test's limit of" \
            "${QV_WINE_TIME_LIMIT} s: $*" >&2
    fi
    return "$status"
}

qv_wine_loader() {  # 32 or 64
    if [ "$1" = 64 ]; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Whether this machine runs 32-bit programs at all: some kernels are built or booted without
# IA-32 emulation (execve of an i386 binary fails with ENOEXEC), and then Wine's 32-bit
# loader cannot start. The prefix is still made, and 64-bit programs run, with wine64.
qv_wine_runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The loader for Wine's own tools (wineboot, reg, regsvr32): the 32-bit one where it runs,
# as in a WoW64 prefix, else the 64-bit one.
qv_wine_tool_loader() {
    if qv_wine_runs_32bit; then echo wine; else echo /usr/lib/wine/wine64; fi
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
        # However this ends, a half-made prefix must not stay (its wineserver goes first);
        # the log of a failure stays for the message below. After the final mv nothing of
        # the build is left but the log, which then goes too.
        trap 'if [ -d "$building" ]; then
                  WINEPREFIX="$building" wineserver -k 2>/dev/null || true
                  rm -rf "$building" || true
              else
                  rm -f "$building.log" || true
              fi' EXIT
        echo "wine-env: making a Wine prefix template (once per Wine version and recipe)..." >&2
        (
            unset DISPLAY
            export WINEPREFIX="$building"
            local loader
            loader=$(qv_wine_tool_loader)
            qv_timed "$loader" wineboot -i >"$building.log" 2>&1
            # No window manager under Xvfb: unmanaged windows close without a 2 s stall.
            qv_timed "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                >>"$building.log" 2>&1
            # Programs run without a display unless a run asks for one.
            qv_timed "$loader" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
                >>"$building.log" 2>&1
            qv_timed wineserver -w
        )
        grep -q '"Graphics"="null"' "$building/user.reg" 2>/dev/null || {
            echo "wine-env: could not make the Wine prefix (see $building.log)" >&2
            exit 1
        }
        mv "$building" "$qv_wine_template"
    ) 9>"$qv_wine_root/template.lock"
}

# The template's name holds the Wine version and a short hash of the recipe above, so a
# changed recipe makes a new template instead of reusing a stale one.
qv_wine_template="$qv_wine_root/template-$(/usr/lib/wine/wine64 --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' '_')"
qv_wine_template+="-$(declare -f qv_wine_make_template | sha256sum | cut -c1-8)"
qv_wine_runs_32bit || qv_wine_template+="-64only"

# Makes a new prefix for this run and exports WINEPREFIX. With "gui", the prefix uses the
# X11 driver on a private Xvfb display (exported as DISPLAY).
qv_wine_start() {
    qv_wine_make_template || return 1
    WINEPREFIX=$(mktemp -d "$qv_wine_root/run.XXXXXX") || return 1
    export WINEPREFIX
    qv_xvfb_pid=""
    # From here on, whatever ends the launcher cleans up: a signal too (bash runs the EXIT
    # trap only when the shell exits by itself).
    trap qv_wine_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    cp -al "$qv_wine_template/." "$WINEPREFIX/"
    local reg
    for reg in system.reg user.reg userdef.reg; do
        cp --remove-destination "$qv_wine_template/$reg" "$WINEPREFIX/$reg"
    done
    if [ "${1:-}" = gui ]; then
        sed -i 's/"Graphics"="null"/"Graphics"="x11"/' "$WINEPREFIX/user.reg"
        local display_file="$WINEPREFIX/display"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" \
            >"$WINEPREFIX/xvfb.log" 2>&1 &
        qv_xvfb_pid=$!
        local tries=0
        # Up to 10 s, less if Xvfb dies.
        while [ ! -s "$display_file" ] && [ $tries -lt 200 ] &&
            kill -0 "$qv_xvfb_pid" 2>/dev/null; do
            sleep 0.05
            tries=$((tries + 1))
        done
        if [ ! -s "$display_file" ]; then
            if kill -0 "$qv_xvfb_pid" 2>/dev/null; then
                echo "wine-env: Xvfb gave no display within 10 s; its log:" >&2
            else
                echo "wine-env: Xvfb ended without giving a display; its log:" >&2
            fi
            cat "$WINEPREFIX/xvfb.log" >&2
            return 1
        fi
        export DISPLAY=":$(cat "$display_file")"
    else
        unset DISPLAY
    fi
    # Kept alive between the run's programs, but not forever: once a program has run, the
    # server ends 10 s after its last client, even if this launcher never gets to stop it.
    wineserver -p10
}

# The EXIT trap: under `set -e` (demo.sh) any failing step would abort the rest of the
# cleanup, and `wineserver -k` fails whenever no server runs, so every step may fail.
qv_wine_stop() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k 2>/dev/null || true
    timeout 10 wineserver -w 2>/dev/null || true
    if [ -n "${qv_xvfb_pid:-}" ]; then
        kill "$qv_xvfb_pid" 2>/dev/null || true
        wait "$qv_xvfb_pid" 2>/dev/null || true
    fi
    if [ -n "${QV_WINE_KEEP:-}" ]; then
        echo "wine-env: prefix kept at $WINEPREFIX" >&2
    else
        rm -rf "$WINEPREFIX" || true
    fi
    WINEPREFIX=""
}

# Registers each COM server of a colon-separated list with regsvr32 in the current prefix.
qv_wine_register() {
    local server
    local IFS=:
    for server in $1; do
        [ -n "$server" ] || continue
        if ! qv_timed "$(qv_wine_loader "$(qv_pe_bits "$server")")" regsvr32 /s \
            "$(qv_winpath "$server")" >"$WINEPREFIX/regsvr32.log" 2>&1
        then
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
    qv_timed "$(qv_wine_loader "$bits")" "$@" >"$output" 2>&1 || status=$?
    cat "$output"
    rm -f "$output"
    return $status
}
