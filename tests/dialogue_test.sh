#!/usr/bin/env bash
# Plays the built program with a known deck and compares every byte it
# prints with a recorded session; then checks how each way of ending is
# reported: status, standard output and standard error. The options are
# command_line_test.sh's.
set -u
program=$1 shim=$2 transcript=$3 nonblocking=$4
failed=0

# LD_PRELOAD cannot name a path with a blank in it, so the generator that
# always gives 0 is preloaded from a copy in a folder of our own.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$shim" "$work/zero_rand.so"

# Runs the game alone with the known deck; the other commands run as usual.
game() {
  LD_PRELOAD="$work/zero_rand.so" ASAN_OPTIONS=verify_asan_link_order=0 \
    timeout 10 "$program" "$@"
}

# check NAME STATUS ERROR: the last run ended with STATUS and printed
# exactly ERROR on standard error.
check() {
  if [ "$status" -ne "$2" ] || [ "$(cat "$work/err")" != "$3" ]; then
    echo "$1: status $status, standard error '$(cat "$work/err")'"
    echo "  expected status $2, standard error '$3'"
    failed=1
  fi
}

printf '100\ns\ny\n50\nh\nh\ns\nn\n' | game >"$work/out" 2>"$work/err"
status=$?
check "recorded session" 0 ""
diff -u "$transcript" "$work/out" || failed=1

for input in '' '100' '100\n' 'abc' '100\nh' '100\ns\n' '100\ns\ny\n' \
  '100\ns\nyes\n50\nh\nh\nhhh'; do
  printf "$input" | game >/dev/null 2>"$work/err"
  status=$?
  check "input '$input' cut off" 0 ""
done

printf '100\ns\nn\n' | game >/dev/full 2>"$work/err"
status=$?
check "output to a full device" 1 \
  "blackjack: cannot write to standard output: No space left on device"

printf '100\ns\nn\n' | game >&- 2>"$work/err"
status=$?
check "output closed" 1 \
  "blackjack: cannot write to standard output: Bad file descriptor"

# Answers without end, and nowhere to write: play must stop at once.
yes y | game >/dev/full 2>"$work/err"
status=$?
check "endless answers, output to a full device" 1 \
  "blackjack: cannot write to standard output: No space left on device"

# Pipes that are not ready are waited for: an empty input, a full output.
for round in $(seq 150); do printf '10\n2\n2\nh\n2\ns\ny\n'; done >"$work/answers"
"$program" --seed 8 <"$work/answers" >"$work/blocking"
timeout 20 "$nonblocking" "$program" --seed 8 <"$work/answers" >"$work/out" 2>"$work/err"
status=$?
check "non-blocking pipes" 0 ""
[ "$(wc -c <"$work/out")" -gt 65536 ] || { echo "non-blocking pipes: too little output to fill a pipe"; failed=1; }
cmp -s "$work/blocking" "$work/out" || { echo "non-blocking pipes: output differs"; failed=1; }

game </ >/dev/null 2>"$work/err"
status=$?
check "input a directory" 1 "blackjack: cannot read standard input: Is a directory"

game <&- >/dev/null 2>"$work/err"
status=$?
check "input closed" 1 "blackjack: cannot read standard input: Bad file descriptor"

# A seed deals the same game again; another seed, another game.
answers='100\n2\n2\nh\n2\ns\ny\n100\n2\n2\ns\nn\n'
printf "$answers" | "$program" --seed 4294967295 >"$work/first"
printf "$answers" | "$program" -s 4294967295 >"$work/again"
printf "$answers" | "$program" --seed=0 >"$work/other"
cmp -s "$work/first" "$work/again" || { echo "the same seed dealt differently"; failed=1; }
cmp -s "$work/first" "$work/other" && { echo "two seeds dealt alike"; failed=1; }

exit $failed
