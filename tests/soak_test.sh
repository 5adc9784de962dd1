#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The soak reports each kind of fault, with its seed and the keys that led
# there, and passes a clean run, and counts the topics the runs reached: a
# stand-in for replay that misbehaves by seed.
#
# usage: soak_test.sh SOAK
SOAK=${1:?usage: soak_test.sh SOAK}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*"
    sed 's/^/  soak: /' "$WORK/out"
    exit 1
}

# replay PROGRAM --seed N --keys-file F --trace T [--topics TOPICS], and
# replay PROGRAM --topics TOPICS for the chapters the main menu offers.
cat >"$WORK/replay" <<'STANDIN'
#!/bin/sh
if [ "$2" = --topics ]; then
    [ -n "$TOPICS" ] && printf 'chapter 1 2\n' >"$3"
    exit 0
fi
seed=$3
trace=$7
printf 'key 1\nkey Enter\nkey Space\n' >"$trace"
[ -n "$TOPICS" ] && [ "$8" = --topics ] && printf 'topic 1 1\n' >"$9"
case $seed in
1) exit 0 ;;
2) echo 'error 5 at line 120' >>"$trace"; exit 3 ;;
3) kill -SEGV $$ ;;
4) echo 'engine/plane.cpp:10:5: runtime error: signed integer overflow' >&2; exit 0 ;;
5) exec sleep 60 ;;
esac
STANDIN
chmod +x "$WORK/replay"

"$SOAK" --replay "$WORK/replay" --runs 1 --first-seed 1 --keys 50 kestrel >"$WORK/out"
[ $? -eq 0 ] || fail "a clean run was reported"
grep -q "1/1 runs" "$WORK/out" || fail "no summary of the clean run"

"$SOAK" --replay "$WORK/replay" --runs 4 --first-seed 2 --keys 50 --timeout 2 kestrel >"$WORK/out"
[ $? -eq 1 ] || fail "faults went unreported in the exit status"
for expected in "seed 2: error 5 at line 120 after 3 keys" "seed 3: signal 11" \
    "seed 4: sanitizer: engine/plane.cpp:10:5: runtime error" "seed 5: hung"; do
    grep -qF "kestrel $expected" "$WORK/out" || fail "not reported: $expected"
done
grep -q "0/4 runs" "$WORK/out" || fail "the summary does not count the faults"
grep -q "again: .*--first-seed 3 kestrel" "$WORK/out" || fail "no command to repeat a fault"

# The topics the runs reached, of those the main menu offers; with
# --all-topics one not reached is a fault.
TOPICS=1 "$SOAK" --replay "$WORK/replay" --runs 1 --first-seed 1 --keys 50 kestrel >"$WORK/out"
[ $? -eq 0 ] || fail "an unreached topic failed a run without --all-topics"
grep -q "kestrel reached 1/2 topics" "$WORK/out" || fail "no count of the topics reached"
TOPICS=1 "$SOAK" --replay "$WORK/replay" --runs 1 --first-seed 1 --keys 50 --all-topics kestrel >"$WORK/out"
[ $? -eq 1 ] || fail "an unreached topic went unreported with --all-topics"
echo "PASS"
