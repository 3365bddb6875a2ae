#!/usr/bin/env bash
# The real zembal.exe's menus from the keyboard: Help > About and Game > The
# Wall of Fame open their dialogs, and Escape closes them. (Every key, menu
# command and tool button reaches its dialog in the frame's in-process tests.)
source "$(dirname "$0")/e2e_lib.sh"
e2e_init dialogs "$1"
start_game

while IFS='|' read -r title keys; do
  keys $keys
  dialog=$(wait_for_title "$title")
  [ -n "$dialog" ] || { fail "no window \"$title\" after $keys" && continue; }
  focus_on "$dialog" && xdotool key Escape
  gone "$title"
done <<'LIST'
About Zembal|alt+h a
Zembal: The Wall Of Fame|alt+g w
LIST

exit_through_menu
