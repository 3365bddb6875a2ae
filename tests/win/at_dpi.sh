#!/usr/bin/env bash
# Runs a Win32 program under Wine as on a screen of DPI dots per inch: the
# prefix's "LogPixels", which Wine reads as each process starts, is set for
# this run only; ZEMBAL_SCREEN_DPI tells the program what to expect.
# Usage: at_dpi.sh DPI WINE PROGRAM [ARGS...]   (inside scripts/wine-session)
dpi=$1 wine=$2
shift 2
key='HKCU\Control Panel\Desktop'
"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || exit 1
ZEMBAL_SCREEN_DPI=$dpi "$wine" "$@"
status=$?
"$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
exit $status
