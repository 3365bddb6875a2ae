#!/usr/bin/env bash
# The real zembal.exe's menu, keys and dialogs: the dialogs open from keys,
# the menu and the toolbar and close with Escape. (The View menu's bars are
# checked in-process by the layout tests and in the newcomer's flow.)
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

exit_through_menu
