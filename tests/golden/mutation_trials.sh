#!/usr/bin/env bash
# Changes one number of the game at a time in scratch copies of the tree and records which tests notice:
# for every trial of the list (tests/golden/mutation_trials.txt unless another is given) the change is
# applied alone, the headless test programs of both screen sizes are rebuilt (Release, incrementally) and
# run, and the failing tests are written to the results. The tree itself is never changed.
#
#   tests/golden/mutation_trials.sh [-j copies] [-s scratch dir] [-t id,id,...] [-r rev] [--check] [list]
#
#   -j N     scratch copies working side by side (default 2); each builds and runs its own share
#   -s DIR   where the copies, their builds and the logs go (default /tmp/qv-mutation)
#   -t IDS   only these trials
#   -r REV   try the trials on this commit instead of the tree as it is (the list is read from the tree)
#   --check  only test that every trial's text is found exactly once, then stop
#
# What runs for each trial: golden_tests_800 and golden_tests_640 (every golden run), unit_tests (without
# the engine's exhaustive blit comparisons, which no game table reaches) and unit_tests_640, and one round
# of soak800 and soak640. The gtest programs run each in one process; a test that also fails in the
# unchanged copy run that way is run again alone and counts only if it fails alone too.
#
# Results: DIR/results.tsv (id, outcome, seconds, whether the changed file's objects differ from the
# unchanged build's, failed tests, description) and a table at the end.
# Outcomes: noticed, NOT-NOTICED, unreached (a change marked "[unreached: ...]" that nothing noticed),
# unreached-but-noticed, not-applied (text not found once), no-build (does not compile: does not count).
# DIR/logs/<id>/ keeps the build and test output of each trial.
set -uo pipefail

# Bash reads a script as it goes: this one runs from a copy of itself, so that the tree may change.
if [[ -z "${QV_TRIALS_ROOT:-}" ]]; then
    copy="$(mktemp)"
    cp "$0" "$copy"
    QV_TRIALS_ROOT="$(cd "$(dirname "$0")/../.." && pwd)" exec bash "$copy" "$@"
fi
rm -f "$0"
root="$QV_TRIALS_ROOT"
copies=2
scratch=/tmp/qv-mutation
only=""
rev=""
check=0
list="$root/tests/golden/mutation_trials.txt"
while [[ $# -gt 0 ]]; do
    case "$1" in
        -j) copies="$2"; shift 2 ;;
        -s) scratch="$2"; shift 2 ;;
        -t) only="$2"; shift 2 ;;
        --check) check=1; shift ;;
        -r) rev="$2"; shift 2 ;;
        -h|--help) sed -n '2,24p' "$root/tests/golden/mutation_trials.sh"; exit 0 ;;
        *) list="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; shift ;;
    esac
done

# Applies one trial to a tree: prints nothing and exits 0 when the text was found exactly once (within
# the line given with @N:) and the file changed; otherwise says why and exits 1.
apply_trial() {  # tree file text replacement
    python3 - "$@" <<'EOF'
import sys
tree, file, text, replacement = sys.argv[1:5]
path = f"{tree}/{file}"
try:
    source = open(path, encoding="utf-8").read()
except OSError as error:
    sys.exit(f"cannot read {file}: {error}")
lines = source.split("\n")
if text.startswith("@") and ":" in text:
    number, text = text[1:].split(":", 1)
    index = int(number) - 1
    if not 0 <= index < len(lines) or lines[index].count(text) != 1:
        sys.exit(f"'{text}' is not found once on line {number} of {file}")
    lines[index] = lines[index].replace(text, replacement)
    changed = "\n".join(lines)
else:
    if source.count(text) != 1:
        sys.exit(f"'{text}' is found {source.count(text)} times in {file}, not once")
    changed = source.replace(text, replacement)
if changed == source:
    sys.exit(f"the replacement leaves {file} as it was")
open(path, "w", encoding="utf-8").write(changed)
EOF
}

# The trials as id<TAB>file<TAB>text<TAB>replacement<TAB>description lines.
read_trials() {
    python3 - "$list" "$only" <<'EOF'
import sys
path, only = sys.argv[1], sys.argv[2]
wanted = set(only.split(",")) if only else None
seen = set()
for number, line in enumerate(open(path, encoding="utf-8"), 1):
    line = line.rstrip("\n")
    if not line.strip() or line.lstrip().startswith("#"):
        continue
    fields = [f.strip() for f in line.split(" | ")]
    if len(fields) != 5:
        sys.exit(f"{path}:{number}: expected 5 fields separated by ' | ', found {len(fields)}")
    if fields[0] in seen:
        sys.exit(f"{path}:{number}: trial {fields[0]} listed twice")
    seen.add(fields[0])
    if wanted is None or fields[0] in wanted:
        print("\t".join(fields))
EOF
}

trials="$(read_trials)" || exit 1
[[ -n "$trials" ]] || { echo "no trials selected" >&2; exit 1; }

if [[ $check -eq 1 ]]; then
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    bad=0
    while IFS=$'\t' read -r id file text replacement about; do
        mkdir -p "$tmp/$(dirname "$file")"
        cp "$root/$file" "$tmp/$file" 2>/dev/null || { echo "$id: no file $file"; bad=1; continue; }
        apply_trial "$tmp" "$file" "$text" "$replacement" || { echo "  in trial $id"; bad=1; }
    done <<<"$trials"
    [[ $bad -eq 0 ]] && echo "$(wc -l <<<"$trials") trials apply"
    exit $bad
fi

targets=(unit_tests unit_tests_640 golden_tests_800 golden_tests_640 soak800 soak640 game_data)
mkdir -p "$scratch/logs"
results="$scratch/results.tsv"
: >"$results"

# A snapshot of the tree as it is now, so that later edits do not reach running trials.
pristine="$scratch/pristine"
rm -rf "$pristine"
mkdir -p "$pristine"
if [[ -n "$rev" ]]; then
    git -C "$root" archive "$rev" | tar -C "$pristine" -xf -
else
    tar -C "$root" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -C "$pristine" -xf -
fi

# Makes the tree `to` hold what `from` holds: files that differ are copied with a new time (so that the
# build sees them), files only in `to` are removed, files that are the same keep their time.
sync_tree() {  # from to
    python3 - "$1" "$2" <<'EOF'
import filecmp, os, shutil, sys
source, target = sys.argv[1:3]
kept = set()
for folder, _, files in os.walk(source):
    into = os.path.join(target, os.path.relpath(folder, source))
    os.makedirs(into, exist_ok=True)
    for name in files:
        s, t = os.path.join(folder, name), os.path.normpath(os.path.join(into, name))
        kept.add(t)
        if not (os.path.isfile(t) and filecmp.cmp(s, t, shallow=False)):
            shutil.copyfile(s, t)
            shutil.copymode(s, t)
for folder, _, files in os.walk(target):
    for name in files:
        t = os.path.normpath(os.path.join(folder, name))
        if t not in kept:
            os.remove(t)
EOF
}

# The failing tests of one run of the programs in `build`, one name a line, prefixed by the program.
run_tests() {  # build logdir
    local b="$1" log="$2"
    local -a pids=()
    timeout --foreground 900 "$b/tests/golden_tests_800" --gtest_brief=1 >"$log/golden800.txt" 2>&1 & pids+=($!)
    timeout --foreground 900 "$b/tests/golden_tests_640" --gtest_brief=1 >"$log/golden640.txt" 2>&1 & pids+=($!)
    # The 800x600 unit tests in two halves side by side.
    local shard
    for shard in 0 1; do
        GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX=$shard timeout --foreground 900 "$b/tests/unit_tests" --gtest_brief=1 \
            --gtest_filter=-DrawBlitsExactTest.* >"$log/unit800-$shard.txt" 2>&1 & pids+=($!)
    done
    timeout --foreground 900 "$b/tests/unit_tests_640" --gtest_brief=1 >"$log/unit640.txt" 2>&1 & pids+=($!)
    (cd "$b/bin" && timeout --foreground 600 ./soak800 --rounds 1 >"$log/soak800.txt" 2>&1) & pids+=($!)
    (cd "$b/bin" && timeout --foreground 600 ./soak640 --rounds 1 >"$log/soak640.txt" 2>&1) & pids+=($!)
    local -a names=(golden800 golden640 unit800-0 unit800-1 unit640 soak800 soak640)
    local i status
    for i in "${!pids[@]}"; do
        wait "${pids[$i]}"
        status=$?
        local name="${names[$i]}" program="${names[$i]%-[01]}"
        case "$name" in
            golden*|unit*)
                grep -E '^\[  FAILED  \] [A-Za-z]' "$log/$name.txt" |
                    sed -E 's/^\[  FAILED  \] ([^ ,]+).*/\1/' | sort -u | sed "s/^/$program:/"
                # A crash or a hang ends the program before its summary.
                if [[ $status -ne 0 ]] && ! grep -q '^\[==========\]' "$log/$name.txt"; then
                    echo "$program:exit-$status"
                fi
                ;;
            soak*)
                [[ $status -eq 0 ]] || echo "$name:exit-$status"
                ;;
        esac
    done
}

# The gtest program and filter of a failure name.
rerun_alone() {  # build name
    local b="$1" name="$2" program test
    test="${name#*:}"
    case "${name%%:*}" in
        golden800) program=golden_tests_800 ;;
        golden640) program=golden_tests_640 ;;
        unit800) program=unit_tests ;;
        unit640) program=unit_tests_640 ;;
        *) return 0 ;;
    esac
    timeout --foreground 900 "$b/tests/$program" --gtest_brief=1 "--gtest_filter=$test" >/dev/null 2>&1
    [[ $? -ne 0 ]]
}

worker() {  # copy number
    local k="$1"
    local tree="$scratch/copy$k/src" b="$scratch/copy$k/build"
    # Every file a trial changed since this copy's build last saw its original.
    local changed="$scratch/copy$k/changed-files"
    mkdir -p "$tree"
    sync_tree "$pristine" "$tree"
    # A trial's file was put back after its build: it is made newer so that the build compiles the
    # original again.
    if [[ -f "$changed" ]]; then
        local f
        sort -u "$changed" | while read -r f; do [[ -f "$tree/$f" ]] && touch "$tree/$f"; done
    fi
    local log="$scratch/logs/copy$k-baseline"
    mkdir -p "$log"
    if ! { cmake -S "$tree" -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
           cmake --build "$b" --target "${targets[@]}"; } >"$log/build.txt" 2>&1; then
        echo "copy $k: the unchanged tree does not build (see $log/build.txt)" >&2
        return 1
    fi
    rm -f "$changed"
    (cd "$b" && find game -name '*.o' -exec md5sum {} +) >"$log/objects.txt"
    run_tests "$b" "$log" >"$log/failed.txt"
    if [[ -s "$log/failed.txt" ]]; then
        echo "copy $k: the unchanged tree fails (in one process): $(tr '\n' ' ' <"$log/failed.txt")" >&2
    fi
    local index=0 id file text replacement about
    while IFS=$'\t' read -r id file text replacement about; do
        index=$((index + 1))
        (((index - 1) % copies == k)) || continue
        local tlog="$scratch/logs/$id" start=$SECONDS outcome failed="" object=-
        mkdir -p "$tlog"
        echo "$file" >>"$changed"
        if ! apply_trial "$tree" "$file" "$text" "$replacement" >"$tlog/apply.txt" 2>&1; then
            outcome=not-applied
        elif ! cmake --build "$b" --target "${targets[@]}" >"$tlog/build.txt" 2>&1; then
            outcome=no-build
        else
            # Whether the compiled objects of the changed file differ from the unchanged build's: the same
            # objects mean the number never reaches the program.
            if [[ "$file" == game/*.cpp ]]; then
                local rel="${file#game/}"
                object=same
                for lib in quendravolt_800 quendravolt_640; do
                    local o="game/CMakeFiles/$lib.dir/$rel.o"
                    grep -qF "$(cd "$b" && md5sum "$o")" "$log/objects.txt" || object=changed
                done
            fi
            local name kept=()
            while read -r name; do
                [[ -n "$name" ]] || continue
                if grep -qxF "$name" "$log/failed.txt" && ! rerun_alone "$b" "$name"; then continue; fi
                kept+=("$name")
            done < <(run_tests "$b" "$tlog")
            failed="$(IFS=';'; echo "${kept[*]}")"
            if [[ -n "$failed" ]]; then
                outcome=noticed
            else
                outcome=NOT-NOTICED
            fi
            if [[ "$about" == *"[unreached:"* ]]; then
                [[ $outcome == noticed ]] && outcome=unreached-but-noticed || outcome=unreached
            fi
        fi
        # A plain copy: the restored file is newer than the changed one's objects and is rebuilt.
        cp "$pristine/$file" "$tree/$file"
        printf '%s\t%s\t%d\t%s\t%s\t%s\n' "$id" "$outcome" $((SECONDS - start)) "$object" "$failed" "$about" \
            >>"$results"
        echo "[copy $k] $id: $outcome ($((SECONDS - start)) s)"
    done <<<"$trials"
}

for ((k = 0; k < copies; ++k)); do
    worker "$k" &
done
wait

# The table: each trial in list order, with the programs and runs that noticed it.
python3 - "$results" "$list" <<'EOF'
import sys
rows = {}
for line in open(sys.argv[1], encoding="utf-8"):
    id, outcome, seconds, object, failed, about = line.rstrip("\n").split("\t")
    rows[id] = (outcome, int(seconds), object, failed, about)
order = [l.split(" | ")[0].strip() for l in open(sys.argv[2], encoding="utf-8")
         if l.strip() and not l.lstrip().startswith("#")]
counts = {}
for id in order:
    if id not in rows:
        continue
    outcome, seconds, object, failed, about = rows[id]
    counts[outcome] = counts.get(outcome, 0) + 1
    tests = failed.split(";") if failed else []
    programs = sorted({t.split(":")[0] for t in tests})
    shown = ", ".join(t.replace("Golden/GoldenRunTest.MatchesItsRecordedTrace/", "") for t in tests[:6])
    if len(tests) > 6:
        shown += f", ... ({len(tests)} tests)"
    print(f"{id:24} {outcome:22} {seconds:4d}s {object:7} {'/'.join(programs) or '-':40} {shown}")
print()
print(", ".join(f"{n} {o}" for o, n in sorted(counts.items())))
times = [rows[i][1] for i in rows if rows[i][0] not in ("not-applied",)]
if times:
    print(f"{sum(times) / len(times):.0f} s a trial on average in each copy")
EOF
