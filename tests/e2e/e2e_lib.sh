# Sourced by the end-to-end scripts: zembal.exe under Wine, read through
# screenshots; the failures decide the exit code. The screenshots stay when
# a check fails, or with E2E_KEEP_SHOTS=1.
set -uo pipefail

# e2e_init NAME EXE: the player's settings and saved games are put aside.
e2e_init() {
  exe=$(readlink -f "$2") shots=$(mktemp -d "/tmp/zembal-e2e-$1.XXXXXX") pid= failures=0
  settings="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Zembal/ts_zembal.ini"
  games="$(dirname "$exe")/games"
  mkdir -p "$(dirname "$settings")"
  [ -f "$settings" ] && mv "$settings" "$shots/settings.before"
  [ -d "$games" ] && mv "$games" "$shots/games.before"
  trap e2e_finish EXIT
}
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
e2e_finish() {
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && wine taskkill /im zembal.exe >/dev/null 2>&1 && sleep 2
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$settings" "$games"
  [ -f "$shots/settings.before" ] && mv "$shots/settings.before" "$settings"
  [ -d "$shots/games.before" ] && mv "$shots/games.before" "$games"
  [ "$failures" -eq 0 ] && [ -z "${E2E_KEEP_SHOTS:-}" ] && rm -rf "$shots" || echo "screenshots in $shots"
  [ "$failures" -eq 0 ] && echo "all checks passed"
  exit $((failures > 0))
}

start_game() { # sets pid and window
  wine "$exe" &
  pid=$!
  window=$(timeout 60 xdotool search --sync --name '^Zembal$' | head -1)
  [ -n "$window" ] || { fail "no window titled Zembal" && exit; }
  sleep 1.5
}
exit_through_menu() { # Game > Exit must end the program with exit code 0
  keys alt+g x
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
  kill -0 "$pid" 2>/dev/null && fail "still running after Game > Exit" && return
  wait "$pid" || fail "exit code $? after Game > Exit"
  pid=
}

shot() { import -window root "$shots/$1.png"; }
pixel() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
count_colour() { # shot x y w h RRGGBB: the pixels of that colour
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fill black +opaque "#$6" -fill white \
    -opaque "#$6" -format '%[fx:int(mean*w*h+0.5)]' info:
}
ink() { # shot x y w h RRGGBB: thousandths of the pixels of another colour, rounded up
  echo $(((($4 * $5 - $(count_colour "$@")) * 1000 + $4 * $5 - 1) / ($4 * $5)))
}
changed() { # shot x y w h other-shot: the pixels that differ
  compare -metric AE "$shots/$1.png[$4x$5+$2+$3]" "$shots/$6.png[$4x$5+$2+$3]" null: 2>&1 | cut -d' ' -f1
}
# The field (fx fy fw fh): the cells' silver insides are all that survives
# an erosion by an 11 x 11 square, 6 pixels inside the field's outline.
find_field() {
  [[ $(convert "$shots/$1.png" -fill black +opaque '#C0C0C0' -fill white -opaque '#C0C0C0' \
    -morphology Erode Square:5 -format '%@' info: 2>/dev/null) =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  fw=$((BASH_REMATCH[1] + 12)) fh=$((BASH_REMATCH[2] + 12)) fx=$((BASH_REMATCH[3] - 6)) fy=$((BASH_REMATCH[4] - 6))
}
# The one ball's centre (bx by, field pixels): what is neither silver nor black.
find_ball() {
  [[ $(convert "$shots/$1.png" -crop "$((fw - 2))x$((fh - 2))+$((fx + 1))+$((fy + 1))" +repage \
    -fill black -opaque '#C0C0C0' -fill white +opaque black -format '%@' info: 2>/dev/null) =~ \
    ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && ((BASH_REMATCH[1] >= 8 && BASH_REMATCH[1] <= 16)) || return 1
  bx=$((1 + BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) by=$((1 + BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
}
distance() { local dx=$(($1 - $3)) dy=$(($2 - $4)); echo $((${dx#-} + ${dy#-})); }
frame_rect() { # the frame's outer rectangle: wx wy ww wh
  read -r wx wy ww wh < <(xwininfo -id "$window" |
    sed -n 's/.*\(Absolute upper-left [XY]\|Width\|Height\): *//p' | tr '\n' ' ')
}
focus_on() { # a window found but not yet mapped refuses the keyboard: 5 s of tries
  for _ in $(seq 1 25); do xdotool windowfocus --sync "$1" 2>/dev/null && return 0 || sleep 0.2; done
  fail "could not focus window $1"
}
keys() { focus_on "$window" && for key in "$@"; do xdotool key "$key" && sleep 0.3; done; }
wait_for_title() { timeout 10 xdotool search --sync --name "^$1\$" 2>/dev/null | head -1; }
answer() { # title key: answers the window so titled (not the frame) within 5 s
  local other
  for _ in $(seq 1 25); do
    other=$(xdotool search --name "^$1\$" 2>/dev/null | grep -vx "$window" | head -1)
    [ -n "$other" ] && focus_on "$other" && xdotool key "$2" && sleep 0.5 && return 0
    sleep 0.2
  done
  fail "no window \"$1\" to answer with $2"
}
open_slot() { # keys...: Ctrl+O, Yes to stopping the game, the keys in Open saved game
  local title="Zembal: Open saved game "
  keys ctrl+o
  answer Zembal Return
  focus_on "$(wait_for_title "$title")" && for key in "$@"; do xdotool key "$key" && sleep 0.3; done
  gone "$title"
}
gone() { # title: no window so titled within 5 s
  for _ in $(seq 1 25); do [ -z "$(xdotool search --name "^$1\$" 2>/dev/null)" ] && return 0 || sleep 0.2; done
  fail "\"$1\" still open"
}
