#!/usr/bin/env bash
# What a new player meets in the real zembal.exe: the Open dialog opens the
# slot picked with its number key; a tooltip shows each button's text
# cleanly and goes, with the game moving again, when the pointer leaves the
# window straight from the toolbar. (A maximised frame without its toolbar
# is one of the layout tests' cases.)
source "$(dirname "$0")/e2e_lib.sh"
e2e_init newcomer "$1"
mkdir -p "$games"
corpus="$(dirname "$0")/../../fuzz/corpus/saved_game"
cp "$corpus/sample_15x20.zmb" "$games/1.zmb" && cp "$corpus/level3_30x40.zmb" "$games/3.zmb"
printf '%s\r\n' '[Files]' Level_0=2 Desc_0=small Level_2=3 Desc_2=large >"$settings"
start_game

# Slots 1 and 3 are used: "3" picks slot 3 and Open opens it, a 30 by 40 field.
open_slot 3 Return
sleep 1
shot opened
find_field opened || { fail "no field after opening" && exit; }
[ "$fw" -eq 560 ] && [ "$fh" -eq 420 ] || fail "opened a ${fw}x${fh} field, not slot 3's 560x420"

# The buttons' centres are 21 pixels above the field, 24 apart from fx + 6.
hover() { # button index; rests on it as a pointer does, with two small moves
  local x=$((fx + 6 + $1 * 24)) y=$((fy - 21))
  xdotool mousemove "$x" "$y" && sleep 0.2 && xdotool mousemove $((x + 1)) $((y + 1)) && sleep 0.5
}
tip_shown() { [ "$(changed plain $((fx + 18)) $((fy - 7)) 30 6 "$1")" -gt 0 ]; } # above the field
xdotool mousemove $((fx + 200)) $((fy + 200)) && sleep 0.3
shot plain
hover 1
shot pause_tip
tip_shown pause_tip || fail "no tooltip under Pause"
xdotool mousemove $((fx + 200)) $((fy + 200)) && sleep 0.3
hover 0
hover 1
shot pause_after_exit
[ "$(changed pause_tip $((fx + 18)) $((fy - 7)) 30 16 pause_after_exit)" -eq 0 ] ||
  fail "Pause's tooltip differs after Exit's"
# Straight up out of the window: the tooltip goes and the balls move again.
xdotool mousemove $((fx + 31)) 2 && sleep 1
shot left
sleep 0.5
shot later
tip_shown left && fail "the tooltip stays after the pointer left the window"
[ "$(changed left "$fx" "$fy" "$fw" "$fh" later)" -gt 0 ] || fail "the game holds still after the pointer left"

exit_through_menu
