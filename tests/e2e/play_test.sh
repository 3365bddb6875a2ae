#!/usr/bin/env bash
# Plays the real zembal.exe: the field and toolbar as drawn, a moving ball
# that P freezes and frees, two dialogs from the menus' keys, a pair of bars
# after the keys alone, Game > Exit. (A click's bars become a wall in the
# persistence flow; the field's pixels, the Play and Pause buttons and each
# key's action are checked in the in-process tests.)
source "$(dirname "$0")/e2e_lib.sh"
e2e_init play "$1"
printf '%s\r\n' '[General]' Grid=Yes Sound=No Theme=0 Speed=0 Precent_To_Complete=75 Rows=20 \
  Cols=30 Toolbar=Y Statusbar=Y >"$settings"
start_game

shot field
# The silver inside of a 420 x 280 field.
find_field field || fail "no field found"
[ "$fw" -eq 420 ] && [ "$fh" -eq 280 ] || fail "field is ${fw}x${fh}, not 420x280"
# The toolbar's six buttons, 34 pixels above the field, and nothing beyond them.
background=$(pixel field $((fx + 200)) $((fy - 22)))
[ "$(ink field $((fx - 6)) $((fy - 33)) 122 24 "$background")" -gt 150 ] || fail "no toolbar icons"
[ "$(ink field $((fx + 124)) $((fy - 33)) 150 24 "$background")" -eq 0 ] || fail "toolbar not plain"

find_ball field || fail "no ball in the first picture"
b1x=$bx b1y=$by
sleep 0.7
shot moved
find_ball moved && [ "$(distance "$b1x" "$b1y" "$bx" "$by")" -gt 4 ] || fail "ball did not move"
# P freezes the ball and leaves only the paused line under the field.
info=$(pixel field $((fx + 2)) $((fy + fh + 2)))
[ "$(ink moved $((fx + 210)) $((fy + fh)) 209 36 "$info")" -gt 0 ] || fail "no texts while running"
keys p
shot paused1
sleep 0.7
shot paused2
find_ball paused1 && p1x=$bx p1y=$by && find_ball paused2 || fail "no ball while paused"
[ "$(distance "$p1x" "$p1y" "$bx" "$by")" -le 2 ] || fail "ball moved while paused"
[ "$(ink paused2 $((fx + 210)) $((fy + fh)) 209 36 "$info")" -eq 0 ] || fail "texts right while paused"
[ "$(ink paused2 $((fx + 5)) $((fy + fh)) 200 14 "$info")" -gt 0 ] || fail "no paused line"
[ "$(ink paused2 "$fx" $((fy + fh + 16)) 420 20 "$info")" -eq 0 ] || fail "texts under the paused line"
keys p
sleep 0.7
shot resumed
find_ball resumed && [ "$(distance "$p1x" "$p1y" "$bx" "$by")" -gt 4 ] || fail "ball still after P again"

# Help > About and Game > The Wall of Fame from the keyboard open their
# dialogs, and Escape closes them. (Every key, menu command and tool button
# reaches its dialog in the frame's in-process tests.)
for menu in "About Zembal|alt+h a" "Zembal: The Wall Of Fame|alt+g w"; do
  title=${menu%|*}
  keys ${menu#*|}
  dialog=$(wait_for_title "$title")
  [ -n "$dialog" ] || { fail "no window \"$title\" after ${menu#*|}" && continue; }
  focus_on "$dialog" && xdotool key Escape
  gone "$title"
done
exit_through_menu

# Without the mouse, in a new game: an arrow held runs the cell cursor from
# the middle (10, 15) to the edge row away from the ball, four arrows back
# bring it to row 4 or 15; R turns the bars, Space launches a red one left
# and a blue one right; the mouse hides the cursor.
start_game && shot start && find_ball start || fail "no ball in the new game"
if [ "$by" -gt $((fy + 140)) ]; then edge=Up back=Down y=$((fy + 56)); else edge=Down back=Up y=$((fy + 210)); fi
focus_on "$window" && xdotool keydown $edge && sleep 1.5 && xdotool keyup $edge && sleep 0.3
keys $back $back $back $back r && shot cursor && keys space && sleep 0.15 && shot keybars && keys p
xdotool mousemove $((fx + 100)) $((fy + 250)) && sleep 0.3 && shot mouse
for check in "cursor 210 14 FFFFFF -gt 30" "keybars 150 60 FF0000 -gt 20" \
  "keybars 224 60 0000FF -gt 20" "mouse 210 14 FFFFFF -eq 0"; do
  set -- $check
  [ "$(count_colour "$1" $((fx + $2)) $((y + 2)) "$3" 10 "$4")" "$5" "$6" ] || fail "$check on the cursor's row"
done
exit_through_menu
