#!/usr/bin/env bash
# The game's CPU use while it runs for 30 s at normal speed under Wine.
# Run by hand inside a display and a Wine prefix, for instance:
#   xvfb-run -a -s "-screen 0 1024x768x24" scripts/wine-session bench/win/cpu_use.sh build/windows/zembal.exe
set -uo pipefail
exe=$1
seconds=${2:-30}
ticks=$(getconf CLK_TCK)

# Normal speed through the settings file, in both places it may be read from.
for dir in "$WINEPREFIX/drive_c/windows" "$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Zembal"; do
  mkdir -p "$dir"
  printf '[General]\r\nSpeed=1\r\n' >"$dir/ts_zembal.ini"
done

cpu_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }
server=$(pgrep -u "$USER" -x wineserver | head -1)

wine "$exe" &
launcher=$!
window=$(timeout 60 xdotool search --sync --name '^Zembal$' | head -1)
game=$(pgrep -u "$USER" -f 'zembal\.exe' | grep -v "^$launcher$" | tail -1)
sleep 2
game0=$(cpu_of "$game")
server0=$(cpu_of "$server")
sleep "$seconds"
game1=$(cpu_of "$game")
server1=$(cpu_of "$server")
xdotool windowfocus --sync "$window"
xdotool key alt+F4
wait "$launcher"

awk -v g=$((game1 - game0)) -v s=$((server1 - server0)) -v t="$ticks" -v n="$seconds" 'BEGIN {
  printf "zembal.exe: %.2f s CPU in %d s (%.1f %% of one core)\n", g / t, n, 100 * g / t / n
  printf "wineserver: %.2f s CPU in %d s (%.1f %% of one core)\n", s / t, n, 100 * s / t / n
}'
