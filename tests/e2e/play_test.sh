#!/usr/bin/env bash
# Plays the real zembal.exe under Wine and checks it through screenshots:
# the field, a moving ball, a pair of bars after a click, the pause, a
# maximise and restore, and the exit through the menu.
# Usage: play_test.sh path/to/zembal.exe   (inside xvfb-run and a Wine prefix)
set -uo pipefail

source "$(dirname "$0")/e2e_lib.sh"
e2e_init play "$1"

# The game plays with the options these checks expect; whatever settings
# file the prefix held before comes back afterwards.
settingsDir=$(settings_dir)
settings="$settingsDir/ts_zembal.ini"
e2e_restore() {
  if [ -f "$shots/settings.ini" ]; then
    cp "$shots/settings.ini" "$settings"
  else
    rm -f "$settings"
  fi
}
mkdir -p "$settingsDir"
[ -f "$settings" ] && cp "$settings" "$shots/settings.ini"
printf '%s\r\n' '[General]' Grid=Yes Sound=No Theme=0 Speed=0 Precent_To_Complete=75 \
  Rows=20 Cols=30 Toolbar=Y Statusbar=Y >"$settings"

start_game

# The field: 420 x 280 silver with a black outline.
shot field
find_field field || fail "no field found"
[ "$fw" -eq 420 ] && [ "$fh" -eq 280 ] || fail "field is ${fw}x${fh}, not 420x280"
for corner in "$fx $fy" "$((fx + 419)) $fy" "$fx $((fy + 279))" "$((fx + 419)) $((fy + 279))" \
  "$((fx + 200)) $fy" "$fx $((fy + 100))"; do
  [ "$(pixel field $corner)" = 000000 ] || fail "outline not black at $corner"
done
[ "$(pixel field $((fx + 5)) $((fy + 5)))" = C0C0C0 ] || fail "field inside not silver"
[ "$(pixel field $((fx - 2)) $((fy + 5)))" != 000000 ] || fail "black left of the field"

# A ball moves.
find_ball field || fail "no ball in the first picture"
b1x=$bx b1y=$by
sleep 0.7
shot moved
find_ball moved || fail "no ball in the second picture"
[ "$(distance_moved "$b1x" "$b1y" "$bx" "$by")" -gt 4 ] || fail "ball did not move"

# P freezes the ball and leaves only the paused line in the information area.
infoBg=$(pixel field $((fx + 2)) $((fy + fh + 2)))
rightHalfRunning=$(ink moved $((fx + 210)) $((fy + fh)) 209 36 "$infoBg")
[ "$rightHalfRunning" -gt 0 ] || fail "no information texts while running"
focus
xdotool key p
sleep 0.3
shot paused1
sleep 0.7
shot paused2
find_ball paused1 && p1x=$bx p1y=$by || fail "no ball while paused"
find_ball paused2 || fail "no ball while paused"
[ "$(distance_moved "$p1x" "$p1y" "$bx" "$by")" -le 2 ] || fail "ball moved while paused"
[ "$(ink paused2 $((fx + 210)) $((fy + fh)) 209 36 "$infoBg")" -eq 0 ] ||
  fail "right half of the information area not empty while paused"
[ "$(ink paused2 $((fx + 5)) $((fy + fh)) 200 14 "$infoBg")" -gt 0 ] || fail "no paused line"
[ "$(ink paused2 $fx $((fy + fh + 16)) 420 20 "$infoBg")" -eq 0 ] ||
  fail "lines under the paused line while paused"

# P again resumes.
focus
xdotool key p
sleep 0.7
shot resumed
find_ball resumed || fail "no ball after resuming"
[ "$(distance_moved "$p1x" "$p1y" "$bx" "$by")" -gt 4 ] || fail "ball did not move after P again"

# Maximise and restore through the system menu: the ball stays inside the
# field and the game goes on.
focus
xdotool key alt+space
sleep 0.3
xdotool key x
sleep 1
shot maximised
find_field maximised || fail "no field when maximised"
[ "$fw" -eq 420 ] && [ "$fh" -eq 280 ] || fail "maximised field is ${fw}x${fh}"
find_ball maximised || fail "no ball inside the field when maximised"
focus
xdotool key alt+space
sleep 0.3
xdotool key r
sleep 1
shot restored
find_field restored || fail "no field after restoring"
pointer_to_view
find_ball restored || fail "no ball inside the field after restoring"
r1x=$bx r1y=$by
sleep 0.7
shot restored2
find_ball restored2 || fail "no ball inside the field after restoring"
[ "$(distance_moved "$r1x" "$r1y" "$bx" "$by")" -gt 4 ] || fail "game stopped after restoring"

# A click on a free cell in the middle row, on the side away from the ball,
# starts a red bar up and a blue bar down.
if [ "$bx" -lt 210 ]; then col=26; else col=3; fi
row=10
clickX=$((fx + col * 14 + 7))
clickY=$((fy + row * 14 + 7))
xdotool mousemove "$clickX" "$clickY" click 1
sleep 0.15
shot bars
focus
xdotool key p
stripX=$((fx + col * 14 + 2))
[ "$(count_colour bars "$stripX" "$fy" 10 $((row * 14 + 14)) '#FF0000')" -gt 20 ] ||
  fail "no red bar above the clicked cell"
[ "$(count_colour bars "$stripX" $((fy + row * 14 + 14)) 10 $(((19 - row) * 14)) '#0000FF')" -gt 5 ] ||
  fail "no blue bar below the clicked cell"

# Game > Exit ends the program with exit code 0.
exit_through_menu

[ "$failures" -eq 0 ] && echo "zembal.exe played as expected"
exit $((failures > 0))
