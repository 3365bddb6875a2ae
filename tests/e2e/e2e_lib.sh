# Shared by the end-to-end scripts, which source it: starting zembal.exe
# under Wine, screenshots and reading them, finding windows, the exit
# through the menu, and the failure count that decides the exit code.
# The screenshots are kept when a check fails, or always with E2E_KEEP_SHOTS=1.

# e2e_init NAME EXE: sets exe, shots, pid, failures and the clean-up trap.
# A script may define e2e_restore to put back what it moved aside.
e2e_init() {
  exe=$(readlink -f "$2")
  shots=$(mktemp -d "/tmp/zembal-e2e-$1.XXXXXX")
  pid=
  failures=0
  trap e2e_finish EXIT
  [ -n "${DISPLAY:-}" ] || { echo "no display"; exit 1; }
  [ -n "${WINEPREFIX:-}" ] || { echo "no Wine prefix"; exit 1; }
}

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

e2e_finish() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    wine taskkill /im zembal.exe >/dev/null 2>&1
    sleep 2
    kill "$pid" 2>/dev/null
  fi
  if declare -F e2e_restore >/dev/null; then e2e_restore; fi
  if [ "$failures" -eq 0 ] && [ -z "${E2E_KEEP_SHOTS:-}" ]; then
    rm -rf "$shots"
  else
    echo "screenshots kept in $shots"
  fi
}

# The player's settings file of the test prefix.
settings_dir() { echo "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Zembal"; }

# Starts the game and waits for its frame: sets pid and window.
start_game() {
  wine "$exe" &
  pid=$!
  window=$(timeout 60 xdotool search --sync --name '^Zembal$' | head -1)
  [ -n "$window" ] || { fail "no window titled Zembal"; exit 1; }
  sleep 1.5
}

# Game > Exit must end the program with exit code 0.
exit_through_menu() {
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
    return
  fi
  wait "$pid"
  local code=$?
  pid=
  [ "$code" -eq 0 ] || fail "exit code $code after Game > Exit"
}

shot() { import -window root "$shots/$1.png"; }
# The colour of one pixel as RRGGBB.
pixel() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
# Share of pixels of a screen rectangle that differ from a colour, in
# thousandths.
ink() { # shot x y w h RRGGBB
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fill '#010203' -opaque "#$6" \
    -fill white +opaque '#010203' -fill black -opaque '#010203' \
    -format '%[fx:int(mean*1000+0.999)]' info:
}
# Pixels of one exact colour in a screen rectangle.
count_colour() { # shot x y w h #RRGGBB
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fill black +opaque "$6" \
    -fill white -opaque "$6" -format '%[fx:int(mean*w*h+0.5)]' info:
}
# Pixels that differ between two screenshots in a screen rectangle.
changed() { # shot x y w h other-shot
  compare -metric AE "$shots/$1.png[$4x$5+$2+$3]" "$shots/$6.png[$4x$5+$2+$3]" null: 2>&1 |
    cut -d' ' -f1
}

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

# The ball of level 1 on a field without walls: whatever inside the field is
# neither silver nor black. Sets bx by (centre, field pixels); returns 1
# when none is seen.
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
distance_moved() { # ball centres a and b
  local dx=$(($1 - $3)) dy=$(($2 - $4))
  echo $((${dx#-} + ${dy#-}))
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
# Gives a window the keyboard; a window that is found but not yet mapped
# refuses the focus, so this tries again for up to 5 s.
focus_on() {
  for _ in $(seq 1 25); do
    xdotool windowfocus --sync "$1" 2>/dev/null && return 0
    sleep 0.2
  done
  fail "could not focus window $1"
  return 1
}
focus() { focus_on "$window"; }
# Rests the pointer on the field's information area, inside the game view:
# a pointer left on a tool button would hold the game back (its tooltip).
pointer_to_view() { xdotool mousemove $((fx + 5)) $((fy + fh + 5)); }
# Waits up to 10 s for a window with exactly this title; prints its id.
wait_for_title() { timeout 10 xdotool search --sync --name "^$1\$" 2>/dev/null | head -1; }
gone() { # title: true once no window has it (within 5 s)
  for _ in $(seq 1 25); do
    [ -z "$(xdotool search --name "^$1\$" 2>/dev/null)" ] && return 0
    sleep 0.2
  done
  return 1
}
