# shellcheck shell=bash disable=SC2034,SC2154  # shares its variables with the sourcing script
# Sourced by tests/win32/wine-run.sh, bench/win32-startup.sh and tools/win32-screenshots.sh:
# the Wine settings and the private display that every Windows program of the build runs with.
# Expects $root (the folder wine-prefix.sh prepared) and $work (a temporary folder); sets $wine,
# $locale and $xvfb, exports DISPLAY.

export WINEPREFIX=${WINEPREFIX:-$root/dpi${RESULTS_WINE_DPI:-96}}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer, no menu entries or file associations written to the home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes the Windows locale from LANG and LC_ALL: Chinese (PRC), code page 936, unless
# RESULTS_WINE_LANG names another (a test that must not depend on it). Given to Wine only
# (env "${locale[@]}" ...), since the calling shell cannot load the private locale.
wine_lang=${RESULTS_WINE_LANG:-zh_CN.UTF-8}
locale=(LOCPATH="$root/locale" LANG="$wine_lang" LC_ALL="$wine_lang")
# The 64-bit loader itself: the wine wrapper warns on every start that wine32 is missing.
wine=/usr/lib/wine/wine64

# A display of its own, numbered by Xvfb; the screen is that of the virtual desktop.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    if ! [ -s "$work/display" ]; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}

# Ends every Wine process of the prefix through its own wineserver, never by name, and the
# private display. For the sourcing script's EXIT trap.
end_wine_session() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
