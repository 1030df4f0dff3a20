# Shared by the scripts: the project root, Wine and Xvfb set-up and tear-down.
# Source it; it defines functions only (and FW_ROOT).
FW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
FW_WINE=/usr/lib/wine/wine64
# Let ccache reuse objects between clones in different folders (CI clones anew).
export CCACHE_BASEDIR="$FW_ROOT" CCACHE_NOHASHDIR=1

# Makes a private temporary folder for this run; everything Wine leaves goes there.
fw_make_run_dir() {
    FW_RUN_DIR="$(mktemp -d "${TMPDIR:-/tmp}/framewing-run.XXXXXX")"
    export TMPDIR="$FW_RUN_DIR/tmp" XDG_DATA_HOME="$FW_RUN_DIR/xdg"
    mkdir -p "$TMPDIR" "$XDG_DATA_HOME"
}

# Starts Xvfb on a free display (it picks one and reports it) and exports DISPLAY.
# FW_XVFB_ARGS overrides the screen layout.
fw_start_xvfb() {
    local fifo="$FW_RUN_DIR/displayfd"
    mkfifo "$fifo"
    # shellcheck disable=SC2086
    Xvfb -displayfd 9 -nolisten tcp ${FW_XVFB_ARGS:--screen 0 1920x1080x24} 9>"$fifo" \
        >"$FW_RUN_DIR/xvfb.log" 2>&1 &
    FW_XVFB_PID=$!
    local number
    read -r number <"$fifo"
    export DISPLAY=":$number"
}

# Creates a Wine prefix ready for unattended tests and starts a persistent
# wineserver for it, with services detached from the caller's pipes.
fw_make_prefix() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    "$FW_WINE" wineboot -i </dev/null >/dev/null 2>&1
    # Without a window manager, hiding windows and removing tray icons wait 2 s each
    # unless Wine manages its windows itself.
    "$FW_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crash must exit with an error, not open a debugger dialog or pass silently.
    "$FW_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d '' /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -p
    "$FW_WINE" wineboot </dev/null >/dev/null 2>&1
}

fw_stop_wine_and_xvfb() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
    fi
    if [ -n "${FW_XVFB_PID:-}" ]; then
        kill "$FW_XVFB_PID" 2>/dev/null || true
        wait "$FW_XVFB_PID" 2>/dev/null || true
    fi
    if [ -n "${FW_RUN_DIR:-}" ] && [ -z "${FW_KEEP_RUN_DIR:-}" ]; then
        rm -rf "$FW_RUN_DIR"
    fi
}

# Sets up Xvfb and a fresh prefix for this run, torn down when the script exits.
fw_wine_session() {
    fw_make_run_dir
    trap fw_stop_wine_and_xvfb EXIT
    fw_start_xvfb
    export HOME="$FW_RUN_DIR/home"
    mkdir -p "$HOME"
    fw_make_prefix "$FW_RUN_DIR/prefix"
}

fw_configure_and_build() {
    local preset="$1"
    shift
    local log
    log="$(mktemp "${TMPDIR:-/tmp}/framewing-configure.XXXXXX")"
    if ! cmake --preset "$preset" "$@" >"$log" 2>&1; then
        # A folder configured with earlier compilers is configured anew; any
        # other failure shows.
        if grep -q "afresh" "$log"; then
            echo "build/$preset: compilers changed, configuring afresh"
            cmake --preset "$preset" --fresh "$@" >/dev/null || { rm -f "$log"; return 1; }
        else
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
    fi
    rm -f "$log"
    cmake --build --preset "$preset" -j "$(nproc)"
}
