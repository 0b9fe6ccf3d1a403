#!/usr/bin/env bash
# The real window under X: its size, a screenshot of the main page that is
# not blank, moving it by its background with any button, a picture that
# does not move it, and closing by the exit button, which leaves the US
# keyboard layout active.
DARVISTA=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/xvfb.bash"
start_xvfb "$2"

setxkbmap -layout us,ir
"$DARVISTA" >"$2/app.log" 2>&1 &
APP_PIDS+=($!)
app=${APP_PIDS[0]}
win=$(wait_for_window)
sleep 0.5

geometry() { xdotool getwindowgeometry --shell "$win"; }
eval "$(geometry)"
[ "$WIDTH" = 516 ] && [ "$HEIGHT" = 463 ] || fail "window is ${WIDTH}x${HEIGHT}"
# Centred on the 1024 x 768 screen.
[ "$X" = 254 ] && [ "$Y" = 152 ] || fail "window at $X,$Y, not centred"

shot="$2/main.png"
import -window root -crop "516x463+$X+$Y" +repage "$shot"
info=$(convert "$shot" -format '%w %h %k' info:)
read -r w h colours <<<"$info"
[ "$w" = 516 ] && [ "$h" = 463 ] || fail "screenshot is ${w}x${h}"
[ "$colours" -gt 200 ] || fail "screenshot looks blank ($colours colours)"

# The right button on the background moves the window.
x0=$X
y0=$Y
xdotool mousemove $((X + 260)) $((Y + 330)) mousedown 3 sleep 0.2 \
    mousemove $((X + 300)) $((Y + 360)) sleep 0.2 mousemove $((X + 320)) $((Y + 380)) sleep 0.2 mouseup 3
sleep 0.3
eval "$(geometry)"
[ "$X" = $((x0 + 60)) ] && [ "$Y" = $((y0 + 50)) ] || fail "background drag moved the window to $X,$Y from $x0,$y0"

# A press on a picture does not.
x0=$X
y0=$Y
xdotool mousemove $((X + 200)) $((Y + 140)) mousedown 1 sleep 0.2 mousemove $((X + 240)) $((Y + 170)) \
    sleep 0.2 mouseup 1
sleep 0.3
eval "$(geometry)"
[ "$X" = "$x0" ] && [ "$Y" = "$y0" ] || fail "a drag on a picture moved the window"

[ "$(keyboard_group)" = 1 ] || fail "the Persian layout is not active"
# The exit button: over its picture, then a click on its hover picture.
xdotool mousemove $((X + 420)) $((Y + 438)) sleep 0.2 mousemove $((X + 425)) $((Y + 438)) sleep 0.2 click 1
for _ in $(seq 1 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "the exit button did not end the program"
[ "$(keyboard_group)" = 0 ] || fail "closing did not switch back to the US layout"
echo "main_window: ok (screenshot $shot, $colours colours)"
