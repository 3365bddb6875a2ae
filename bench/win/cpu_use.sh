#!/usr/bin/env bash
# The game's CPU use while it runs for 30 s at normal speed under Wine.
# Run by hand inside a display and a Wine prefix, for instance:
#   xvfb-run -a -s "-screen 0 1024x768x24" scripts/wine-session bench/win/cpu_use.sh build/windows/zembal.exe
# The floor to compare with, back to back in the same prefix:
#   bench/win/cpu_use.sh build/windows/bench/win/copy_floor.exe 30 '^Zembal floor$'
set -uo pipefail
exe=$1
user=$(id -un)
seconds=${2:-30}
title=${3:-'^Zembal$'}
ticks=$(getconf CLK_TCK)

# Normal speed through the settings file, in both places it may be read from.
for dir in "$WINEPREFIX/drive_c/windows" "$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Zembal"; do
  mkdir -p "$dir"
  printf '[General]\r\nSpeed=1\r\n' >"$dir/ts_zembal.ini"
done

cpu_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Other Wine prefixes may run at the same time: only this prefix's processes.
of_this_prefix() {
  for p in $(pgrep -u "$user" "$@"); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done
}
server=$(of_this_prefix -f '/wineserver' | head -1)

wine "$exe" &
launcher=$!
window=$(timeout 60 xdotool search --sync --name "$title" | head -1)
# The wine launcher becomes the game's own process.
game=$launcher
[ -n "$game" ] && [ -n "$server" ] || { echo "zembal.exe or wineserver not found"; exit 1; }
sleep 2
game0=$(cpu_of "$game")
server0=$(cpu_of "$server")
sleep "$seconds"
game1=$(cpu_of "$game")
server1=$(cpu_of "$server")
xdotool windowfocus --sync "$window"
xdotool key alt+F4
wait "$launcher"

awk -v p="$(basename "$exe")" -v g=$((game1 - game0)) -v s=$((server1 - server0)) -v t="$ticks" -v n="$seconds" 'BEGIN {
  printf "%s: %.2f s CPU in %d s (%.1f %% of one core)\n", p, g / t, n, 100 * g / t / n
  printf "wineserver: %.2f s CPU in %d s (%.1f %% of one core)\n", s / t, n, 100 * s / t / n
  printf "together:   %.1f %% of one core\n", 100 * (g + s) / t / n
}'
[ "$title" = '^Zembal$' ] || exit 0
# The game writes its settings back on exit: the speed it ran at.
grep -h '^Speed' "$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Zembal/ts_zembal.ini" |
  sed 's/^/ran at /'
