#!/usr/bin/env bash
# The real zembal.exe's menu, keys and dialogs: the dialogs open from keys,
# the menu and the toolbar and close with Escape; the View menu takes the
# bars away and brings them back.
# Usage: dialogs_test.sh path/to/zembal.exe   (inside xvfb-run and a Wine prefix)
source "$(dirname "$0")/e2e_lib.sh"
e2e_init dialogs "$1"
start_game

shot start
find_field start || { fail "no field found" && exit; }

while IFS='|' read -r title keys; do
  if [ "$keys" = toolbar ]; then
    xdotool mousemove $((fx + 54)) $((fy - 21)) click 1
  else
    keys $keys
  fi
  dialog=$(wait_for_title "$title")
  [ -n "$dialog" ] || { fail "no window \"$title\" after $keys" && continue; }
  focus_on "$dialog" && xdotool key Escape
  gone "$title"
  xdotool mousemove $((fx + 200)) $((fy + 100))
done <<'LIST'
Zembal: Display Options|F3
Zembal: Game Options|F4
Zembal: Help|F1
About Zembal|alt+h a
Zembal: The Wall Of Fame|alt+g w
Zembal: Display Options|toolbar
LIST

# View > Toolbar and View > Status Bar: the frame shrinks by each bar's height.
frame_rect
full=$wh
for step in "t $((full - 28))" "s $((full - 51))" "t $((full - 23))" "s $full"; do
  keys alt+v "${step% *}"
  sleep 0.5
  frame_rect
  [ "$wh" -eq "${step#* }" ] || fail "frame $wh high after View > ${step% *}, not ${step#* }"
done
exit_through_menu
