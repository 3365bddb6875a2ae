#!/usr/bin/env bash
# What the real zembal.exe keeps across a restart: its settings file, in the
# player's folder, is read and written back (the rules for each value are
# checked natively); a game with a wall saved with Ctrl+S comes back
# through Ctrl+O in the next run, which also starts without the toolbar
# hidden in the first.
source "$(dirname "$0")/e2e_lib.sh"
e2e_init persistence "$1"
legacy="$WINEPREFIX/drive_c/windows/ts_zembal.ini"
rm -f "$legacy"
printf '%s\r\n' '[General]' Sound=No Theme=9 Rows=20 Cols=40 Size_Of_Wall_Of_Fame=1 '[WallOfFame]' \
  User_0=Ann Score_0=500 Level_0=4 >"$settings"
walled() { # shot column: the cells of the column that are not plain field
  local n=0
  for r in $(seq 0 19); do [ "$(pixel "$1" $((fx + $2 * 14 + 7)) $((fy + r * 14 + 7)))" = C0C0C0 ] || n=$((n + 1)); done
  echo $n
}
setting() { # section key
  tr -d '\r' <"$settings" | awk -v s="[$1]" -v k="$2=" '/^\[/ { inside = $0 == s }
    inside && index($0, k) == 1 { print substr($0, length(k) + 1); found = 1; exit }
    END { if (!found) print "<missing>" }'
}
start_game

shot start
find_field start || { fail "no field found" && exit; }
[ "$fw" -eq 420 ] && [ "$fh" -eq 280 ] || fail "field is ${fw}x${fh}: Cols 40 with Rows 20 must give 20 by 30"
# A pair of bars from a column away from the ball becomes a wall; a game
# lost meanwhile is answered and tried again.
col=
for attempt in $(seq 1 8); do
  [ -n "$(xdotool search --name '^Zembal$' | grep -vx "$window")" ] && answer Zembal Return && continue
  shot ball$attempt
  find_ball ball$attempt && ((bx > 280 || bx < 140)) || { sleep 0.4 && continue; }
  try=$((bx > 280 ? 1 : 28))
  xdotool mousemove $((fx + try * 14 + 7)) $((fy + 147)) click 1
  sleep 2.5
  shot walls
  [ "$(walled walls "$try")" -ge 18 ] && col=$try && break
done
[ -n "$col" ] || { fail "no wall built in 8 attempts" && exit; }
keys ctrl+s
save=$(wait_for_title "Zembal: Save Game")
focus_on "$save" && xdotool key Tab Tab Tab && xdotool type "wall in column $col" && xdotool key Return
gone "Zembal: Save Game"
grep -q "^DATA:" "$games/1.zmb" || fail "no saved game 1.zmb beside the program"
frame_rect
height=$wh
keys alt+v t
exit_through_menu

for key in "General Sound No" "General Theme 9" "General Cols 30" "General Toolbar N" \
  "WallOfFame User_0 Ann" "Files Level_0 1" "Files Level_1 -1"; do
  set -- $key
  [ "$(setting "$1" "$2")" = "$3" ] || fail "[$1] $2 is \"$(setting "$1" "$2")\", not \"$3\""
done
[ "$(setting Files Desc_0)" = "wall in column $col" ] || fail "[Files] Desc_0 is \"$(setting Files Desc_0)\""
[ -f "$legacy" ] && fail "settings written to the Windows folder"

# The next run: no toolbar, and Ctrl+O (after stopping the game) brings the wall back.
start_game
frame_rect
[ "$wh" -eq $((height - 28)) ] || fail "frame $wh high in the next run, not $((height - 28))"
shot again
find_field again || fail "no field in the next run"
open_slot Return
sleep 1
shot opened
[ "$(walled opened "$col")" -ge 18 ] || fail "the wall in column $col is not back after opening"
exit_through_menu
