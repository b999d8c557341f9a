#!/usr/bin/env bash
# Plays the real program as a person would, on its own virtual X server (1024 x 768) with a
# window manager and a notification area: closes the information window, makes the opening
# roll, drags a stone, hides and shows the board through HIDE and the tray menu, ends with EXIT,
# starts again to find the game resumed, and ends through the tray menu's Exit. The state file
# is checked after every step; screenshots are kept in the work directory.
#
# Usage: end_to_end.sh PATH/TO/zelvik WORK_DIRECTORY
set -euo pipefail

program=$1
work=$2
readonly kTimeout=20  # seconds for any one thing to happen

for tool in Xvfb xdotool openbox trayer import; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/packages.sh lists the test packages)"
    exit 0
  fi
done

rm -rf "$work"
mkdir -p "$work/game" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/game/zelvik"
ini="$work/game/Zelvik.ini"
log="$work/log.txt"
: >"$log"

pids=()
cleanup() {
  local status=$?
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  if [ $status -ne 0 ]; then
    echo "--- program and helpers' output"
    cat "$log"
  fi
  exit $status
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$work/failure.png" 2>/dev/null || true
    echo "--- visible windows"
    local w
    for w in $(xdotool search --onlyvisible --classname 'zelvik|trayer' 2>/dev/null); do
      echo "$w '$(xdotool getwindowname "$w")' $(xdotool getwindowgeometry "$w" | tail -1)"
    done
  fi
  [ -f "$ini" ] && { echo "--- $ini"; cat "$ini"; }
  exit 1
}

step() { echo "== $*"; }

# Polls a condition (shell code, evaluated afresh each time) until it holds, for at most
# kTimeout seconds.
wait_until() {
  local what=$1 condition=$2
  local deadline=$((SECONDS + kTimeout))
  until eval "$condition"; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
    sleep 0.1
  done
}

# The value of KEY in SECTION of the state file, empty when missing.
ini_get() {
  awk -v section="[$1]" -v key="$2" '
    /^\[/ { in_section = ($0 == section); next }
    in_section && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
  ' "$ini"
}

expect_ini() {
  local actual
  actual=$(ini_get "$1" "$2")
  [ "$actual" = "$3" ] || fail "[$1] $2 is '$actual', expected '$3'"
}

# Number of stones on a section: its keys with a stone.
stack_height() {
  awk -v section="[$1]" '
    /^\[/ { in_section = ($0 == section); next }
    in_section && /^[0-9]+=[0-9]+/ { n++ }
    END { print n + 0 }
  ' "$ini"
}

# Visible windows of the program whose name matches a regular expression: the board and the
# message boxes are "ZELVIK", the tray menu "Zelvik". (Not every one of them has the name
# property that a search by name reads.)
visible_windows() {
  local w
  for w in $(xdotool search --onlyvisible --classname zelvik 2>/dev/null); do
    [[ "$(xdotool getwindowname "$w" 2>/dev/null)" =~ $1 ]] && echo "$w"
  done
  return 0
}
board_visible() {
  local w
  for w in $(visible_windows '^ZELVIK$'); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 1024x768' && return 0
  done
  return 1
}
board_hidden() { ! board_visible; }
info_visible() { [ -n "$(visible_windows '^ *ZELVIK  INFORMATION$')" ]; }
info_hidden() { ! info_visible; }
message_box_open() {
  local w
  for w in $(visible_windows '^ZELVIK$'); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 1024x768' || return 0
  done
  return 1
}
no_message_box() { ! message_box_open; }
menu_open() {
  local w
  for w in $(visible_windows '^Zelvik$'); do
    local height
    height=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    [ "${height:-0}" -gt 60 ] && return 0
  done
  return 1
}
program_running() { kill -0 "$game_pid" 2>/dev/null; }
program_ended() { ! program_running; }

start_program() {
  (cd "$work/game" && exec ./zelvik) >>"$log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
  wait_until "the information window" 'info_visible'
}

# Sets X and Y to the middle of the notification area, which holds our one icon.
tray_icon_centre() {
  local w
  for w in $(xdotool search --class trayer); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$HEIGHT" -ge 20 ]; then
      X=$((X + WIDTH / 2)) Y=$((Y + HEIGHT / 2))
      return 0
    fi
  done
  fail "no notification area"
}

# Clicks the tray icon and picks a menu item with the keyboard: Down N times, then Return.
tray_menu() {
  local downs=$1
  local tray
  tray_icon_centre
  xdotool mousemove "$X" "$Y" click 1
  wait_until "the tray menu" 'menu_open'
  for ((i = 0; i < downs; i++)); do xdotool key Down; done
  xdotool key Return
}

click() { xdotool mousemove "$1" "$2" click 1; }

# Places on a 1024 x 768 board, in pixels.
column_centre() {  # column k = 1..12
  local k=$1
  if [ "$k" -ge 7 ]; then
    echo $(((k * 1024 * 100 + 45 * 1024) / 1500))
  else
    echo $((k * 1024 / 15))
  fi
}
readonly light_die=(280 354) dark_die=(722 355) hide_label=(935 742) exit_label=(930 703)

step "a virtual screen with a window manager and a notification area"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >>"$log" 2>&1 &
pids+=($!)
exec 3>&-
wait_until "the X server" 'test -s "$work/display"'
export DISPLAY=":$(head -1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
wait_until "the X server to answer" 'xdotool getmouselocation >/dev/null 2>&1'
openbox >>"$log" 2>&1 &
pids+=($!)
trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
  --SetPartialStrut true --transparent false --tint 0x404040 >>"$log" 2>&1 &
pids+=($!)
wait_until "the notification area" 'test -n "$(xdotool search --class trayer 2>/dev/null)"'

step "start: the information window, no game yet"
start_program
[ ! -e "$ini" ] || fail "the state file exists before the board was asked for"
import -window root "$work/information.png"

step "closing the information window shows the board with a new game"
xdotool search --name 'ZELVIK  INFORMATION' windowactivate --sync key alt+F4
wait_until "the board window" 'board_visible'
wait_until "the state file" 'test -s "$ini"'
wait_until "the information window to go" 'info_hidden'
expect_ini "Current Player" "Player" 0
expect_ini "Current Player" "Play Number" 0
[ "$(stack_height 24)" = 2 ] || fail "Light's two back stones are not on section 24"

step "the opening roll: click the two dice until one side wins it"
for attempt in 1 2 3 4 5 6; do
  click "${light_die[@]}"
  wait_until "Light's opening die" 'test "$(ini_get Dice 1)" != 0'
  click "${dark_die[@]}"
  wait_until "the opening roll's message" 'message_box_open'
  import -window root "$work/message.png"
  wait_until "the message to close itself" 'no_message_box'
  [ "$(ini_get 'Current Player' Player)" = 0 ] || break
done
player=$(ini_get "Current Player" Player)
[ "$player" = 1 ] || [ "$player" = 2 ] || fail "no side won the opening roll"
expect_ini "Current Player" "Play Number" 1

step "drag a stone of the side to move by one of its dice"
if [ "$player" = 1 ]; then
  first_key=1 from=24 stone_y=594  # Light's back stones, lower right; the upper one
else
  first_key=3 from=12 stone_y=109  # Dark's back stones, upper right; the lower one
fi
die=$(ini_get Dice "$first_key")
[ "$die" != 5 ] || die=$(ini_get Dice $((first_key + 1)))  # five points on is blocked
to=$((from - die))
stone=$(ini_get "$from" 2)
from_x=$(column_centre 12)
to_x=$(column_centre $((to > 12 ? to - 12 : to)))
xdotool mousemove "$from_x" "$stone_y" mousedown 1
for i in 1 2 3 4; do
  xdotool mousemove $((from_x + (to_x - from_x) * i / 4)) "$stone_y"
  sleep 0.05
done
xdotool mouseup 1
wait_until "the move in the state file" 'test "$(ini_get "$to" 1)" = "$stone"'
[ "$(stack_height "$from")" = 1 ] || fail "the stone did not leave section $from"
[ "$(ini_get Dice "$first_key")" = 0 ] || [ "$(ini_get Dice $((first_key + 1)))" = 0 ] \
  || fail "no die was used"
import -window root "$work/board.png"
cp "$ini" "$work/after-move.ini"

# The board fills the screen and, while it is active, the window manager keeps it above the
# notification area, as a full-screen window: the tray is used while the board is hidden.
step "HIDE sends the board to the tray; Show Help, Hide Help and Show Game from the tray menu"
click "${hide_label[@]}"
wait_until "the board to hide" 'board_hidden'
program_running || fail "the program ended"
tray_menu 3  # Show Help
wait_until "the information window" 'info_visible'
tray_menu 4  # Hide Help
wait_until "the information window to go" 'info_hidden'
tray_menu 1  # Show Game
wait_until "the board to come back" 'board_visible'
cmp -s "$ini" "$work/after-move.ini" || fail "showing and hiding changed the game"

step "a double click on the icon shows the hidden board"
click "${hide_label[@]}"
wait_until "the board to hide" 'board_hidden'
tray_icon_centre
xdotool mousemove "$X" "$Y" click --repeat 2 --delay 80 1
wait_until "the board after the double click" 'board_visible'
wait_until "the menu that the first click opens" 'menu_open'
xdotool key Escape

step "EXIT ends the program and keeps the game"
click "${exit_label[@]}"
wait_until "the program to end" 'program_ended'
cmp -s "$ini" "$work/after-move.ini" || fail "EXIT changed the game"

step "the next start resumes the game"
start_program
xdotool search --name 'ZELVIK  INFORMATION' windowactivate --sync key alt+F4
wait_until "the board window" 'board_visible'
expect_ini "$to" 1 "$stone"
expect_ini "Current Player" "Player" "$player"
import -window root "$work/resumed.png"

step "the tray menu's Exit ends the program"
click "${hide_label[@]}"
wait_until "the board to hide" 'board_hidden'
tray_menu 5  # Exit
wait_until "the program to end" 'program_ended'
expect_ini "$to" 1 "$stone"
echo "PASS"
