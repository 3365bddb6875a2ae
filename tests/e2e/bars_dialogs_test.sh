#!/usr/bin/env bash
# Checks the real zembal.exe under Wine for its toolbar, status bar and
# dialogs: the toolbar's icons with Play and Pause swapping, the status
# bar's clock ticking, the options, Help and About dialogs opening from
# keys, menus and the toolbar and closing with Escape, and the View menu
# hiding and showing the bars.
# Usage: bars_dialogs_test.sh path/to/zembal.exe   (inside xvfb-run and a Wine prefix)
# The screenshots are kept when a check fails, or always with E2E_KEEP_SHOTS=1.
set -uo pipefail

exe=$1
shots=$(mktemp -d /tmp/zembal-e2e-bars.XXXXXX)
pid=
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
finish() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    wine taskkill /im zembal.exe >/dev/null 2>&1
    sleep 2
    kill "$pid" 2>/dev/null
  fi
  if [ "$failures" -eq 0 ] && [ -z "${E2E_KEEP_SHOTS:-}" ]; then
    rm -rf "$shots"
  else
    echo "screenshots kept in $shots"
  fi
}
trap finish EXIT

[ -n "${DISPLAY:-}" ] || { echo "no display"; exit 1; }

shot() { import -window root "$shots/$1.png"; }
pixel() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
# Share of pixels of a screen rectangle that differ from a colour, in
# thousandths.
ink() {
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fill '#010203' -opaque "#$6" \
    -fill white +opaque '#010203' -fill black -opaque '#010203' \
    -format '%[fx:int(mean*1000+0.999)]' info:
}
# Pixels that differ between two screenshots in a screen rectangle.
changed() {
  compare -metric AE "$shots/$1.png[$4x$5+$2+$3]" "$shots/$6.png[$4x$5+$2+$3]" null: 2>&1 |
    cut -d' ' -f1
}
# The field's top-left corner (its black outline on silver cells): sets fx fy.
find_field() {
  local box
  box=$(convert "$shots/$1.png" -fill black +opaque '#C0C0C0' -fill white -opaque '#C0C0C0' \
    -morphology Erode Square:5 -format '%@' info: 2>/dev/null)
  if ! [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    return 1
  fi
  fx=$((BASH_REMATCH[3] - 6))
  fy=$((BASH_REMATCH[4] - 6))
}
# The frame window's outer rectangle: sets wx wy ww wh.
frame_rect() {
  local info
  info=$(xwininfo -id "$window")
  wx=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  wy=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  ww=$(sed -n 's/.*Width: *//p' <<<"$info")
  wh=$(sed -n 's/.*Height: *//p' <<<"$info")
}
focus() { xdotool windowfocus --sync "$window"; }
# Waits up to 10 s for a window with exactly this title; prints its id.
wait_for_title() { timeout 10 xdotool search --sync --name "^$1\$" 2>/dev/null | head -1; }
gone() { # title: true once no window has it (within 5 s)
  for _ in $(seq 1 25); do
    [ -z "$(xdotool search --name "^$1\$" 2>/dev/null)" ] && return 0
    sleep 0.2
  done
  return 1
}
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
  xdotool windowfocus --sync "$dialog"
  xdotool key Escape
  gone "$title" || fail "\"$title\" still open after Escape"
}

wine "$exe" &
pid=$!
window=$(timeout 60 xdotool search --sync --name '^Zembal$' | head -1)
[ -n "$window" ] || { fail "no window titled Zembal"; exit 1; }
sleep 1.5

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
focus
xdotool key alt+g
sleep 0.3
xdotool key x
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
  fail "still running after Game > Exit"
else
  wait "$pid"
  code=$?
  pid=
  [ "$code" -eq 0 ] || fail "exit code $code after Game > Exit"
fi

[ "$failures" -eq 0 ] && echo "toolbar, status bar and dialogs behaved as expected"
exit $((failures > 0))
