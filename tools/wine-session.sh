# Sourced by the scripts that run Windows programs: a Wine prefix made ready for the
# program, a warm wineserver, and an X display with a window manager when none is given.
# Everything started here is stopped again when the calling script exits.
#   wine_session_start PREFIX [headless]
# Only a prefix under this checkout's build/ is prepared and stopped. Any other is somebody's
# own: its fonts, registry and running programs are left as they are, and Wine starts its
# server the usual way.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

_session_build=$(realpath -m "$(dirname "${BASH_SOURCE[0]}")/../build")
_session_pids=()
_session_owns_prefix=false

_session_stop() {
    if $_session_owns_prefix; then wineserver -k 2>/dev/null || true; fi
    for pid in "${_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}

_is_build_prefix() {
    [[ $(realpath -m "$1") == "$_session_build"/* ]]
}

# A fresh prefix takes seconds to make, so it is made once and marked as ready.
_prepare_prefix() {
    local stamp="$WINEPREFIX/.sorvanto-ready"
    [[ -f $stamp ]] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Debian's Wine does not find its own fonts; without them MS Sans Serif is missing.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # A crash must end the process, not wait for a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$stamp"
}

_start_display() {
    local n
    for n in $(seq 91 119); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        _session_pids+=($!)
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        # Without a window manager every hide or close of a window waits about 2 s.
        openbox >/dev/null 2>&1 &
        _session_pids+=($!)
        sleep 0.5
        return 0
    done
    echo "No free X display number" >&2
    return 1
}

wine_session_start() {
    export WINEPREFIX="$1"
    trap _session_stop EXIT
    if [[ -z ${DISPLAY:-} || ${2:-} == headless ]]; then _start_display; fi
    _is_build_prefix "$WINEPREFIX" || return 0
    _session_owns_prefix=true
    _prepare_prefix
    wineserver -p
    # The first Wine program starts Wine's own background processes, which inherit its
    # output; started here with nowhere to write, they cannot hold a later caller's pipe
    # open (ctest would wait for them until its time-out).
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
