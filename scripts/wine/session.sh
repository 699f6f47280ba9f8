#!/usr/bin/env bash
# The project's Wine session, for the main job, the benchmarks, the
# screenshots and the tests:
#   session.sh start STATE   throwaway prefix from a cached template, Xvfb, one persistent wineserver
#   session.sh stop STATE    ends them and removes the prefix
# STATE is a folder of the build tree; scripts/wine/run.sh reads STATE/env.
# The template is made once and shared by the sessions of one build tree.
# THUNDRA_PREPARE_PREFIX names a command that completes the new prefix
# (given STATE) before its wineserver starts; the tests add their drives so.
set -euo pipefail
action=$1
state=$(mkdir -p "$2" && cd "$2" && pwd)
# THUNDRA_USER names the prefix's user, whose profile folder wineboot names
# after it (a name outside the ANSI code page, say), and THUNDRA_LOCALE the
# host locale Wine runs in (ja_JP.UTF-8 gives code page 932); each such
# prefix has a template of its own.
user=${THUNDRA_USER:-${USER:-root}}
locale=${THUNDRA_LOCALE:-}
template=$(dirname "$state")/wine-template${THUNDRA_USER:+-$(printf '%s %s' "$THUNDRA_USER" "$locale" | md5sum | cut -c1-8)}
prefix=$state/prefix
# The 32-bit Wine of the build tree (scripts/install-wine32.sh): its copy of
# wine64 starts 64-bit programs itself and 32-bit ones through qemu-i386,
# and one 64-bit wineserver serves both.
wine32=$(dirname "$state")/wine32
export PATH=$wine32/usr/lib/wine:$PATH WINEDLLPATH=$wine32/usr/lib/i386-linux-gnu/wine:/usr/lib/x86_64-linux-gnu/wine
# The mail library and DirectDraw are looked for as Windows does, the
# program's folder first, then the system folder's file before Wine's own:
# the tests put their mail double there and plant copies beside the
# Launcher that must never be loaded.
overrides="winemenubuilder.exe=d;mscoree=d;mshtml=d;mapi32=n,b;ddraw=n,b"

stop_session() {
    # shellcheck disable=SC1091
    # Waited for: a prefix made next may get this one's inode, by which Wine
    # finds its server.
    [ ! -f "$state/env" ] || (. "$state/env" && { wineserver64 -k; wineserver64 -w; } 2>/dev/null || true)
    [ ! -f "$state/xvfb.pid" ] || kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -rf "$state/env" "$state/xvfb.pid" "$prefix"
}

make_template() {
    local stamp link
    stamp="$(WINEDEBUG=-all wine64 --version) 3"
    [ "$(cat "$template/.stamp" 2>/dev/null)" != "$stamp" ] || return 0
    echo "wine session: making the prefix template (once per build tree)"
    rm -rf "$template"
    export WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES=$overrides
    env USER="$user" ${locale:+LC_ALL=$locale} wine64 wineboot -i >"$state/wineboot.log" 2>&1 </dev/null
    # No window manager: without this EndDialog takes some two seconds.
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crashing program ends with its exception code instead of waiting
    # behind Wine's crash dialog.
    wine64 reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver64 -w
    # A new prefix links Desktop, Documents and the like to the host's home:
    # a link made by a test would land there. Templates, deeper down, too.
    find "$template/drive_c/users" -type l | while IFS= read -r link; do rm "$link" && mkdir "$link"; done
    # Wine's own "MS Sans Serif" and Tahoma: without them the dialogs fall
    # back to DejaVu Sans, whose base units are 7x13 instead of Windows' 6x13.
    cp /usr/share/wine/fonts/{sserife.fon,ms_sans_serif.ttf,tahoma.ttf} "$template/drive_c/windows/Fonts/"
    echo "$stamp" >"$template/.stamp"
    unset WINEPREFIX
}

start_session() {
    stop_session
    make_template
    cp -a "$template" "$prefix"
    touch "$prefix/.thundra-scratch"
    [ -z "${THUNDRA_PREPARE_PREFIX:-}" ] || $THUNDRA_PREPARE_PREFIX "$state"
    # The user's own screen for the main job, else a screen of our own
    # whose number Xvfb picks and writes to us.
    local display=${THUNDRA_DISPLAY:-}
    display=${display#:}
    if [ -z "$display" ]; then
        exec 3<> <(:)
        setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 </dev/null &
        echo $! >"$state/xvfb.pid"
        read -r -t 20 display <&3 || { echo "wine session: Xvfb did not start"; cat "$state/xvfb.log"; exit 1; }
        exec 3<&-
    fi
    cat >"$state/env" <<ENV
export WINEPREFIX='$prefix' DISPLAY=':$display' WINEDEBUG=-all WINEDLLOVERRIDES='$overrides' USER='$user'
export PATH='$PATH' WINEDLLPATH='$WINEDLLPATH'${locale:+ LC_ALL='$locale'}
unset WINEARCH
ENV
    # shellcheck disable=SC1091
    . "$state/env"
    # Persistent: every wine start of the run then takes milliseconds.
    setsid wineserver64 -p </dev/null >"$state/wineserver.log" 2>&1
    wine64 cmd /c exit >/dev/null 2>&1 </dev/null
    echo "wine session: prefix $prefix, display :$display"
}

case $action in
    start) start_session ;;
    stop) stop_session; echo "wine session: stopped" ;;
    *) echo "usage: session.sh start|stop STATE" >&2; exit 2 ;;
esac
