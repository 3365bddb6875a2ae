#!/usr/bin/env bash
# Checks that the real zembal.exe under Wine keeps what the player stores:
# a settings file prepared in the roaming AppData Zembal folder (edge values
# and three Wall of Fame entries) is read at start and written back as the
# settings rules say at Game > Exit; the Wall of Fame dialog lists the
# entries; a game with a wall saved with Ctrl+S into slot 1 comes back with
# its wall through Ctrl+O after a restart; the overwrite warning keeps the
# saved game when cancelled.
# Usage: persistence_test.sh path/to/zembal.exe   (inside xvfb-run and a Wine prefix)
set -uo pipefail

source "$(dirname "$0")/e2e_lib.sh"
e2e_init pers "$1"

settingsDir=$(settings_dir)
settings="$settingsDir/ts_zembal.ini"
legacy="$WINEPREFIX/drive_c/windows/ts_zembal.ini"
games="$(dirname "$exe")/games"

# Put back whatever this test moved aside, so later runs in the prefix and
# the player's own saved games beside the program are as they were.
e2e_restore() {
  rm -rf "$games"
  [ -d "$shots/games.before" ] && mv "$shots/games.before" "$games"
  rm -f "$settings"
  [ -f "$shots/settings.before" ] && mv "$shots/settings.before" "$settings"
  [ -f "$shots/legacy.before" ] && mv "$shots/legacy.before" "$legacy"
}

# How many of the 20 cells of a column are not plain field at their centre.
walled_cells() { # shot column
  local n=0 r
  for r in $(seq 0 19); do
    [ "$(pixel "$1" $((fx + $2 * 14 + 7)) $((fy + r * 14 + 7)))" != C0C0C0 ] && n=$((n + 1))
  done
  echo "$n"
}
# Another window titled "Zembal" beside the frame: a message box.
other_box() { xdotool search --name '^Zembal$' 2>/dev/null | grep -vx "$window" | head -1; }
# Waits up to 5 s for a message box and answers it with a key.
answer_box() { # key
  local box
  for _ in $(seq 1 25); do
    box=$(other_box)
    if [ -n "$box" ]; then
      focus_on "$box"
      xdotool key "$1"
      return 0
    fi
    sleep 0.2
  done
  return 1
}
# A window's top-left corner on the screen: sets dx dy.
dialog_origin() {
  local window=$1 wx wy ww wh
  frame_rect
  dx=$wx dy=$wy
}
# A key of the settings file, without its line end.
setting() { # section key
  tr -d '\r' <"$settings" | awk -v s="[$1]" -v k="$2" '
    /^\[/ { inside = ($0 == s) }
    inside && index($0, k "=") == 1 { print substr($0, length(k) + 2); found = 1; exit }
    END { if (!found) print "<missing>" }'
}
expect_setting() { # section key value
  local got
  got=$(setting "$1" "$2")
  [ "$got" = "$3" ] || fail "[$1] $2 is \"$got\", not \"$3\""
}

# The prefix and the program's folder as this test needs them.
mkdir -p "$settingsDir"
[ -f "$settings" ] && mv "$settings" "$shots/settings.before"
[ -f "$legacy" ] && mv "$legacy" "$shots/legacy.before"
[ -d "$games" ] && mv "$games" "$shots/games.before"
printf '%s\r\n' '[General]' 'Grid=y' 'Sound=No' 'Theme=9' 'Speed=7' 'Precent_To_Complete=77' \
  'Rows=20' 'Cols=40' 'User=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789' 'Size_Of_Wall_Of_Fame=3' \
  'Toolbar=y' 'Statusbar=' '[WallOfFame]' 'User_0=Ann' 'Score_0=500' 'Level_0=4' 'User_1=Bob' \
  'Score_1=400' 'Level_1=3' 'User_2=Cy' 'Score_2=300' 'Level_2=2' 'User_5=Stale' 'Score_5=9' \
  'Level_5=1' >"$settings"

start_game

shot start
find_field start || { fail "no field found"; exit 1; }
[ "$fw" -eq 420 ] && [ "$fh" -eq 280 ] || fail "field is ${fw}x${fh}: Rows 20 with Cols 40 must give 20 by 30"

# The Wall of Fame lists the three entries and nothing after them.
focus
xdotool key alt+g
sleep 0.3
xdotool key w
fame=$(wait_for_title "Zembal: The Wall Of Fame")
if [ -z "$fame" ]; then
  fail "Game > The Wall of Fame opened no dialog"
else
  sleep 0.3
  shot wall_of_fame
  dialog_origin "$fame"
  # Right of the rank labels: the first three rows (under the column heads)
  # hold names, scores and levels; rows 4 to 10 are blank.
  bg=$(pixel wall_of_fame $((dx + 60)) $((dy + 40)))
  [ "$(ink wall_of_fame $((dx + 95)) $((dy + 55)) 205 60 "$bg")" -gt 20 ] ||
    fail "no entries in the first three rows"
  [ "$(ink wall_of_fame $((dx + 95)) $((dy + 120)) 235 142 "$bg")" -eq 0 ] ||
    fail "text in rows past the first empty entry"
  focus_on "$fame"
  xdotool key Escape
  gone "Zembal: The Wall Of Fame" || fail "Wall of Fame still open after Escape"
fi

# A wall: a pair of bars launched from a column on the side away from the
# ball finishes and stays. A game lost meanwhile is answered and tried again.
col=
for attempt in $(seq 1 8); do
  box=$(other_box)
  if [ -n "$box" ]; then
    focus_on "$box"
    xdotool key Return
    sleep 1
    continue
  fi
  shot ball$attempt
  find_field ball$attempt || { sleep 0.5; continue; }
  if ! find_ball ball$attempt; then
    sleep 0.3
    continue
  fi
  if [ "$bx" -gt 280 ]; then
    try=1
  elif [ "$bx" -lt 140 ]; then
    try=28
  else
    sleep 0.3
    continue
  fi
  xdotool mousemove $((fx + try * 14 + 7)) $((fy + 10 * 14 + 7)) click 1
  sleep 2.5
  [ -n "$(other_box)" ] && continue
  shot walls
  if [ "$(walled_cells walls "$try")" -ge 18 ]; then
    col=$try wallFx=$fx wallFy=$fy
    break
  fi
done
[ -n "$col" ] || { fail "no wall built in 8 attempts"; exit 1; }

# Ctrl+S: Save Game with the first empty slot, 1, chosen.
focus
xdotool key ctrl+s
save=$(wait_for_title "Zembal: Save Game")
if [ -z "$save" ]; then
  fail "Ctrl+S opened no Save Game dialog"
else
  sleep 0.3
  shot save_game
  focus_on "$save"
  # From the Save button past Cancel and the number to the description.
  xdotool key Tab Tab Tab
  xdotool type "wall in column $col"
  xdotool key Return
  gone "Zembal: Save Game" || fail "Save Game still open after Save"
fi
[ -f "$games/1.zmb" ] || fail "no saved game 1.zmb beside the program"
grep -q "^DATA:" "$games/1.zmb" 2>/dev/null || fail "1.zmb holds no field"
saved=$(md5sum <"$games/1.zmb" 2>/dev/null)

# Restart: the wall is gone.
focus
xdotool key alt+g
sleep 0.3
xdotool key r
answer_box Return || fail "Restart asked nothing"
sleep 1
shot restarted
[ "$(walled_cells restarted "$col")" -le 2 ] || fail "wall still there after Restart"

# Ctrl+S into slot 1 again: the warning names the slot; Cancel keeps it.
focus
xdotool key ctrl+s
save=$(wait_for_title "Zembal: Save Game")
if [ -n "$save" ]; then
  focus_on "$save"
  xdotool key Tab Tab Home Return
  warning=$(wait_for_title "Zembal: Warning")
  if [ -z "$warning" ]; then
    fail "saving into slot 1 again gave no warning"
  else
    sleep 0.3
    shot warning
    focus_on "$warning"
    xdotool key Escape
  fi
  gone "Zembal: Save Game" || fail "Save Game still open after the warning"
else
  fail "second Ctrl+S opened no Save Game dialog"
fi
[ "$(md5sum <"$games/1.zmb")" = "$saved" ] || fail "cancelled warning changed 1.zmb"

# Ctrl+O: stop the running game, open slot 1 (the one checked): the wall is back.
focus
xdotool key ctrl+o
answer_box Return || fail "Ctrl+O during a game did not ask to stop it"
open=$(wait_for_title "Zembal: Open saved game ")
if [ -z "$open" ]; then
  fail "Ctrl+O opened no Open saved game dialog"
else
  sleep 0.3
  shot open_game
  focus_on "$open"
  xdotool key Return
  gone "Zembal: Open saved game " || fail "Open saved game still open after Open"
fi
sleep 1
shot opened
# The field has the same size and place as before (a wall along its edge
# would mislead find_field).
fx=$wallFx fy=$wallFy
[ "$(walled_cells opened "$col")" -ge 18 ] || fail "the wall in column $col is not back after opening"

# Game > Exit writes the settings back.
exit_through_menu

expect_setting General Grid Yes
expect_setting General Sound No
expect_setting General Theme 9
expect_setting General Speed 7
expect_setting General Precent_To_Complete 75
expect_setting General Rows 20
expect_setting General Cols 30
expect_setting General Toolbar Y
expect_setting General Statusbar N
expect_setting General User ABCDEFGHIJKLMNOPQRSTUVWXYZ012
expect_setting General Size_Of_Wall_Of_Fame 3
expect_setting WallOfFame User_0 Ann
expect_setting WallOfFame Score_1 400
expect_setting WallOfFame Level_2 2
expect_setting WallOfFame User_5 Stale
expect_setting Files Level_0 1
expect_setting Files Desc_0 "wall in column $col"
for i in 1 2 3 4 5 6 7 8 9; do
  expect_setting Files "Level_$i" -1
done
[ -f "$legacy" ] && fail "settings written to the Windows folder"

[ "$failures" -eq 0 ] && echo "settings, Wall of Fame and saved games kept as expected"
exit $((failures > 0))
