# shellcheck shell=bash
# Sourced by the tools/bench-* scripts: a private virtual display for one benchmark run, and
# the processes of the benchmark's Wine prefix.

# Starts Xvfb (default 1920x1080x24, or the WIDTHxHEIGHTxDEPTH given) on the first free display
# from :90 on, exports DISPLAY, and stops that server (and only it) when the calling script
# exits. Wine's processes of the prefix are let end first, since they hold connections to the
# display.
start_bench_display() {
    local n geometry="${1:-1920x1080x24}"
    for n in $(seq 90 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp >/dev/null 2>&1 </dev/null &
        bench_xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$bench_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$bench_xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            trap stop_bench_display EXIT
            return 0
        fi
        kill "$bench_xvfb_pid" 2>/dev/null || true
        wait "$bench_xvfb_pid" 2>/dev/null || true
    done
    echo "bench: no free display for Xvfb" >&2
    exit 1
}

stop_bench_display() {
    # The prefix's wineserver ends a few seconds after its last program; wait for it.
    if [ -n "${WINEPREFIX:-}" ]; then timeout 30 wineserver -w 2>/dev/null || true; fi
    if [ -n "${bench_xvfb_pid:-}" ]; then
        kill "$bench_xvfb_pid" 2>/dev/null || true
        wait "$bench_xvfb_pid" 2>/dev/null || true
    fi
}

# The pid of the wineserver of $WINEPREFIX, or nothing. A wineserver works in a directory
# named after the device and inode of its prefix.
prefix_wineserver_pid() {
    local key pid
    key=$(stat -c '%d %i' "$WINEPREFIX" | awk '{ printf "server-%x-%x", $1, $2 }')
    for pid in $(pgrep -x 'wineserver|wineserver32|wineserver64'); do
        [ "$(basename "$(readlink "/proc/$pid/cwd" 2>/dev/null)")" = "$key" ] && echo "$pid"
    done
    return 0
}

# utime + stime of a process in clock ticks (/proc/PID/stat fields 14 and 15).
cpu_ticks() {
    # The command name (field 2) may hold spaces: count fields after its closing parenthesis.
    sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $12 + $13 }'
}
