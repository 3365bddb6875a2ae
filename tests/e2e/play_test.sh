#!/usr/bin/env bash
# Plays the real zembal.exe under Wine and checks it through screenshots:
# the field, a moving ball, a pair of bars after a click, the pause, a
# maximise and restore, and the exit through the menu.
# Usage: play_test.sh path/to/zembal.exe   (inside xvfb-run and a Wine prefix)
# The screenshots are kept when a check fails, or always with E2E_KEEP_SHOTS=1.
set -uo pipefail

exe=$1
shots=$(mktemp -d /tmp/zembal-e2e.XXXXXX)
pid=
failures=0
# The game plays with the options these checks expect; whatever settings
# file the prefix held before comes back afterwards.
settingsDir="${WINEPREFIX:-}/drive_c/users/$(id -un)/AppData/Roaming/Zembal"
settings="$settingsDir/ts_zembal.ini"

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
  if [ -f "$shots/settings.ini" ]; then
    cp "$shots/settings.ini" "$settings"
  else
    rm -f "$settings"
  fi
  if [ "$failures" -eq 0 ] && [ -z "${E2E_KEEP_SHOTS:-}" ]; then
    rm -rf "$shots"
  else
    echo "screenshots kept in $shots"
  fi
}
trap finish EXIT

[ -n "${DISPLAY:-}" ] || { echo "no display"; exit 1; }
[ -n "${WINEPREFIX:-}" ] || { echo "no Wine prefix"; exit 1; }

mkdir -p "$settingsDir"
[ -f "$settings" ] && cp "$settings" "$shots/settings.ini"
printf '%s\r\n' '[General]' Grid=Yes Sound=No Theme=0 Speed=0 Precent_To_Complete=75 \
  Rows=20 Cols=30 Toolbar=Y Statusbar=Y >"$settings"

shot() { import -window root "$shots/$1.png"; }
# The colour of one pixel as RRGGBB.
pixel() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# The field: the cells' insides are silver squares of 13 x 13 pixels (12 in
# the last row and column, whose far side is the outline), the only silver
# areas that survive an erosion by an 11 x 11 square; what survives starts
# 6 pixels inside the field's outline on every side. Sets fx fy fw fh
# (screen pixels).
find_field() {
  local box
  box=$(convert "$shots/$1.png" -fill black +opaque '#C0C0C0' -fill white -opaque '#C0C0C0' \
    -morphology Erode Square:5 -format '%@' info: 2>/dev/null)
  if ! [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    fw=0 fh=0 fx=0 fy=0
    return 1
  fi
  fx=$((BASH_REMATCH[3] - 6))
  fy=$((BASH_REMATCH[4] - 6))
  fw=$((BASH_REMATCH[1] + 12))
  fh=$((BASH_REMATCH[2] + 12))
}

# The ball of level 1: whatever inside the field is neither silver nor
# black. Sets bx by (centre, field pixels); returns 1 when none is seen.
find_ball() {
  local box
  box=$(convert "$shots/$1.png" -crop "$((fw - 2))x$((fh - 2))+$((fx + 1))+$((fy + 1))" +repage \
    -fill black -opaque '#C0C0C0' -fill white +opaque black -format '%@' info: 2>/dev/null)
  if ! [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || [ "${BASH_REMATCH[1]}" -gt 16 ] ||
    [ "${BASH_REMATCH[1]}" -lt 8 ]; then
    return 1
  fi
  bx=$((1 + BASH_REMATCH[3] + BASH_REMATCH[1] / 2))
  by=$((1 + BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
}

# Share of pixels of a screen rectangle that differ from a colour, in
# thousandths.
ink() {
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fill '#010203' -opaque "#$6" \
    -fill white +opaque '#010203' -fill black -opaque '#010203' \
    -format '%[fx:int(mean*1000+0.999)]' info:
}
# Pixels of one exact colour in a screen rectangle.
count_colour() {
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fill black +opaque "$6" \
    -fill white -opaque "$6" -format '%[fx:int(mean*w*h+0.5)]' info:
}
distance_moved() { # ball centres a and b
  local dx=$(($1 - $3)) dy=$(($2 - $4))
  echo $((${dx#-} + ${dy#-}))
}
focus() { xdotool windowfocus --sync "$window"; }

wine "$exe" &
pid=$!
window=$(timeout 60 xdotool search --sync --name '^Zembal$' | head -1)
[ -n "$window" ] || { fail "no window titled Zembal"; exit 1; }
sleep 1.5

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

[ "$failures" -eq 0 ] && echo "zembal.exe played as expected"
exit $((failures > 0))
