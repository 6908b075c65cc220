#!/usr/bin/env bash
# The game's sound effects over its stage music, through the real backend into SDL's disk audio driver:
# the ship's death blast (the explosion restarted every frame for a second) and held fire (the shot every
# fourth frame for three seconds), alone, the music alone over the same stretches, and both together.
# The blast over the music clips at most 0.1% of its samples; under fire the music stays audible (the
# shots alone no louder than the music alone). Skipped (77) without a soundfont: the music is silent.
# Usage: audio_levels.sh <audio_levels program> <data folder>
set -u
levels="$1"
data="$2"
raw=$(mktemp /tmp/qv_levels_XXXXXX.raw)
log=$(mktemp /tmp/qv_levels_XXXXXX.log)
trap 'rm -f "$raw" "$log"' EXIT

source "$(dirname "$0")/sanitizer_options.sh"
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$raw"
unset DISPLAY

# run <music|quiet> <effects|none>: a line "<stretch> clipped <share> rms <rms> peak <peak>" per stretch.
run() {
  local out
  # The disk driver announces itself on the error stream; shown only when the run fails.
  out=$(timeout 60 "$levels" "$data" "$@" 2>"$log") || { echo "FAIL: audio_levels $*: $out $(cat "$log")"; exit 1; }
  echo "$out"
}
# value <lines> <stretch> <field>
value() { awk -v s="$2" -v k="$3" '$1 == s { for (i = 2; i < NF; ++i) if ($i == k) print $(i + 1) }' <<<"$1"; }

alone=$(run quiet effects)
music=$(run music none)
mixed=$(run music effects)
status=0
for stretch in blast fire; do
  printf '%-5s alone: %s\n%-5s music: %s\n%-5s mixed: %s\n' "$stretch" "$(grep "^$stretch" <<<"$alone" | cut -d' ' -f2-)" \
    "$stretch" "$(grep "^$stretch" <<<"$music" | cut -d' ' -f2-)" "$stretch" "$(grep "^$stretch" <<<"$mixed" | cut -d' ' -f2-)"
  music_rms=$(value "$music" "$stretch" rms)
  if awk "BEGIN { exit !($music_rms < 0.01) }"; then
    echo "the music is silent (no soundfont?): skipped"
    exit 77
  fi
  ratio=$(awk "BEGIN { printf \"%.2f\", $(value "$alone" "$stretch" rms) / $music_rms }")
  echo "$stretch rms / music rms: $ratio"
done
clipped=$(value "$mixed" blast clipped)
awk "BEGIN { exit !($clipped <= 0.001) }" || { echo "FAIL: the blast over the music clips $clipped of its samples"; status=1; }
ratio=$(awk "BEGIN { printf \"%.2f\", $(value "$alone" fire rms) / $(value "$music" fire rms) }")
awk "BEGIN { exit !($ratio <= 1.0) }" || { echo "FAIL: held fire drowns the music ($ratio)"; status=1; }
[ "$status" -eq 0 ] && echo "e2e audio levels test passed" || echo "FAIL: e2e audio levels test"
exit "$status"
