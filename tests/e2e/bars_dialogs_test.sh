#!/usr/bin/env bash
# Checks the real zembal.exe under Wine for its toolbar, status bar and
# dialogs: the toolbar's icons with Play and Pause swapping, the status
# bar's clock ticking, the options, Help and About dialogs opening from
# keys, menus and the toolbar and closing with Escape, and the View menu
# hiding and showing the bars.
# Usage: bars_dialogs_test.sh path/to/zembal.exe   (inside xvfb-run and a Wine prefix)
set -uo pipefail

source "$(dirname "$0")/e2e_lib.sh"
e2e_init bars "$1"

# Opens a dialog with the given keys, checks its title, closes it with Escape.
dialog_opens_and_escapes() { # title keys...
  local title=$1 dialog
  shift
  focus
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.3
  done
  dialog=$(wait_for_title "$title")
  if [ -z "$dialog" ]; then
    fail "no window titled \"$title\" after $*"
    return
  fi
  focus_on "$dialog"
  xdotool key Escape
  gone "$title" || fail "\"$title\" still open after Escape"
}

start_game

shot start
find_field start || { fail "no field found"; exit 1; }
frame_rect
# The field sits 6 pixels inside the frame's client area (its 1-pixel view
# border and the 5-pixel margin), under the 28-pixel toolbar.
cx=$((fx - 6))
barTop=$((fy - 34))
background=$(pixel start $((cx + 200)) $((barTop + 12)))
[ "$(ink start "$cx" $((barTop + 1)) 122 24 "$background")" -gt 150 ] || fail "no toolbar icons"
[ "$(ink start $((cx + 130)) $((barTop + 1)) 150 24 "$background")" -eq 0 ] ||
  fail "toolbar not plain beyond its buttons"

# The clock pane, at the right end of the status bar along the client
# area's bottom, changes from one second to the next.
clientBottom=$((wy + wh - (ww - 432) / 2))
clockX=$((cx + 432 - 60))
clockY=$((clientBottom - 17))
sleep 1.1
shot later
[ "$(ink later "$clockX" "$clockY" 56 14 "$(pixel later $((clockX + 54)) $((clockY + 12)))")" -gt 10 ] ||
  fail "no time in the clock pane"
[ "$(changed start "$clockX" "$clockY" 56 14 later)" -gt 0 ] ||
  fail "clock pane did not change in a second"

# P swaps the Pause button for Play, and back.
focus
xdotool key p
sleep 0.3
shot paused
[ "$(changed start $((cx + 24)) $((barTop + 1)) 24 24 paused)" -gt 20 ] ||
  fail "Pause button not swapped for Play"
focus
xdotool key p
sleep 0.3
shot resumed
[ "$(changed start $((cx + 24)) $((barTop + 1)) 24 24 resumed)" -eq 0 ] ||
  fail "Pause button not back after resuming"

# Hovering over a tool button shows its tooltip under it.
xdotool mousemove $((cx + 60)) $((barTop + 13))
sleep 0.2
xdotool mousemove $((cx + 61)) $((barTop + 14))
sleep 0.4
shot tooltip
[ "$(changed start $((cx + 48)) $((barTop + 27)) 90 16 tooltip)" -gt 100 ] ||
  fail "no tooltip under Display Options"
xdotool mousemove $((cx + 200)) $((fy + 100))
sleep 0.3

# The dialogs: from keys, from the menu, from the toolbar.
dialog_opens_and_escapes "Zembal: Display Options" F3
dialog_opens_and_escapes "Zembal: Game Options" F4
dialog_opens_and_escapes "Zembal: Help" F1
dialog_opens_and_escapes "About Zembal" alt+h a
xdotool mousemove $((cx + 60)) $((barTop + 13)) click 1
sleep 0.3
dialog_opens_and_escapes "Zembal: Display Options"

# View > Toolbar and View > Status Bar take the bars away and bring them
# back, the frame shrinking and growing by their height.
frame_rect
fullHeight=$wh
focus
xdotool key alt+v t
sleep 0.8
frame_rect
[ "$wh" -eq $((fullHeight - 28)) ] || fail "frame is $wh high without the toolbar, not $((fullHeight - 28))"
focus
xdotool key alt+v s
sleep 0.8
frame_rect
[ "$wh" -eq $((fullHeight - 28 - 23)) ] || fail "frame is $wh high without both bars"
focus
xdotool key alt+v t
sleep 0.4
focus
xdotool key alt+v s
sleep 0.8
frame_rect
[ "$wh" -eq "$fullHeight" ] || fail "frame is $wh high with both bars back, not $fullHeight"

# Game > Exit ends the program with exit code 0.
exit_through_menu

[ "$failures" -eq 0 ] && echo "toolbar, status bar and dialogs behaved as expected"
exit $((failures > 0))
