#!/bin/sh
# Runs a Windows console program under Wine: wine-run.sh PREFIX PROGRAM [ARG...].
# PREFIX, the Wine prefix, is made on first use, once however many programs start together.
# Nothing needs or gets a display: Wine's dialogs and its offers to install Mono and Gecko
# stay away.
set -eu
WINEPREFIX=$1
shift
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/.made" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    flock "$WINEPREFIX.lock" sh -c \
        '[ -f "$WINEPREFIX/.made" ] || { "$0" wineboot -i >/dev/null 2>&1 && touch "$WINEPREFIX/.made"; }' \
        "$wine"
fi
exec "$wine" "$@"
