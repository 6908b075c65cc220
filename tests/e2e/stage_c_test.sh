#!/usr/bin/env bash
# Stage C in real windows of both programs: boss C's patterns, each started just before its window of the
# attack clock, the clear explosions and the wipe into the ending. Against a frame of the same stage at the
# same moment without attacks, each pattern must light a clear share of the play field's dark pixels.
# Usage: stage_c_test.sh <scene driver 800x600> <scene driver 640x480> <field_share> [folder to keep the
#        screenshots in]
set -u
driver800="$1"
driver640="$2"
field_share="$3"
keep="${4:-}"
source "$(dirname "$0")/screen_session.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# shot <driver> <width> <height> <name> <when> <stage clock> <health> [attack clock]: starts stage C with
# the jump and holds the frame at which the attack clock reaches <when> (or, for a number with a point, at
# which that many seconds of frame time have passed since the jump) for the screenshot; keeps the play
# field, the 360-pixel column in the middle.
shot() {
  local driver="$1" width="$2" height="$3" name="$4" when="$5"
  shift 5
  local left=$(( (1024 - width) / 2 )) top=$(( (768 - height) / 2 ))
  local field=$(( (width - 360) / 2 ))
  local frames="$shots/$name.frames" hold="clock $when"
  [[ "$when" == *.* ]] && hold="time $when"
  QV_HOLD_AT="$hold" "$driver" 5 "$@" >"$frames" 2>"$shots/$name.log" &
  game_pid=$!
  await_line "$game_pid" "$frames" held || fail "$name: the driver never reached $hold: $(cat "$shots/$name.log")"
  grab "$name" "$width" "$height" "$left" "$top" || fail "$name: no screenshot"
  convert "$shots/$name.ppm" -crop "360x${height}+${field}+0" +repage "$shots/$name.field.ppm"
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# The share of the field lit in this frame (specks under 3 pixels worn away) far from everything lit in the
# quiet frame (12 pixels round it: the scrolling panel lights a frame's timing moves stay out).
bright_share() { "$field_share" bright "$shots/$quiet_name.field.ppm" "$shots/$1.field.ppm"; }
more() {
  local name="$1" floor="$2" seen
  seen=$(bright_share "$name")
  awk "BEGIN { exit !($seen > $floor) }" || fail "$name: the pattern does not stand out (share $seen)"
  echo "$name: $seen"
}

# Boss C is held at rest; each pattern is taken some 30 to 60 attack frames after it starts.
for build in 800 640; do
  if [ "$build" = 800 ]; then driver="$driver800"; w=800; h=600; else driver="$driver640"; w=640; h=480; fi
  quiet_name="quiet$build"
  shot "$driver" $w $h "$quiet_name" 2.0 2000 1000 0                 # full health: no attack runs
  # A second quiet frame: what timing alone changes must stay far below every floor.
  shot "$driver" $w $h "again$build" 3.0 2000 1000 0
  noise=$(bright_share "again$build")
  echo "again$build: $noise"
  awk "BEGIN { exit !($noise < 0.0003) }" || fail "two quiet frames differ too much ($noise)"
  shot "$driver" $w $h "fan_volley$build" 3215 2000 600 3150         # emitter 19's first volley at 3159
  more "fan_volley$build" 0.0006
  shot "$driver" $w $h "sprays$build" 1570 2000 600 1500             # the sprays start at 1512
  more "sprays$build" 0.0006
  shot "$driver" $w $h "curving_fans$build" 1300 2000 600 1240       # all four fans at 1250
  more "curving_fans$build" 0.0006
  shot "$driver" $w $h "aimed_lines$build" 295 2000 600 240          # lines 03-08, 15-20 at 250
  more "aimed_lines$build" 0.0006
  shot "$driver" $w $h "outer_lines$build" 1245 2000 600 1190        # with 09 and 21 at 1200
  more "outer_lines$build" 0.0006
  shot "$driver" $w $h "fast_lines$build" 195 2000 600 90            # 29, 30 drifting from 100, 25, 26 from 160
  more "fast_lines$build" 0.0006
  shot "$driver" $w $h "twins$build" 110 2000 600 50                 # pairs at 69 and 79
  more "twins$build" 0.0006
  shot "$driver" $w $h "tri_fans$build" 90 2000 600 20               # group 0 at 49
  more "tri_fans$build" 0.0006
  shot "$driver" $w $h "five_way_a$build" 300 2000 600 200           # sets 06 and 07 at 259
  more "five_way_a$build" 0.0006
  shot "$driver" $w $h "five_way_b$build" 600 2000 600 540           # sets 04 and 05 at 549
  more "five_way_b$build" 0.0006
  shot "$driver" $w $h "five_way_c$build" 850 2000 600 790           # set 01 at 809
  more "five_way_c$build" 0.0006
  shot "$driver" $w $h "clear$build" 2.0 2000 0 0                    # exploding
  more "clear$build" 0.02
  # The clear sequence ends 7 s after the kill; the wipe into the ending then takes half a second.
  shot "$driver" $w $h "wipe$build" 7.1 2000 0 0
  shot "$driver" $w $h "ending$build" 9.5 2000 0 0
  ending=$("$field_share" violet "$shots/ending$build.field.ppm")
  awk "BEGIN { exit !($ending < 0.001) }" || fail "ending$build: the stage still shows ($ending)"
done
cleanup
echo "e2e stage C test passed"
