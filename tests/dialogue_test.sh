#!/usr/bin/env bash
# Plays the built program with a known deck and compares every byte it
# prints with a recorded session; then checks how each way of ending is
# reported: status, standard output and standard error, byte for byte. The
# options are command_line_test.sh's.
#
#     dialogue_test.sh PROGRAM KNOWN_DECK TRANSCRIPT [NONBLOCKING [FAILING]]
#
# KNOWN_DECK deals with rand() always 0: a library to preload into PROGRAM,
# or where nothing can be preloaded (Windows) a program of its own built
# with that rand(). NONBLOCKING and FAILING are helpers for Linux programs
# alone; the checks that need one are left out without it. A Windows
# program runs under $BLACKJACK_EMULATOR, and its \r\n line ends count as
# \n.
program=$1 known=$2 transcript=$3 nonblocking=${4:-} failing=${5:-}
. "$(dirname "$0")/lib.sh"

# LD_PRELOAD cannot name a path with a blank in it, so libraries are
# preloaded from copies in our own folder.
if [[ $known == *.so ]]; then
  cp "$known" "$work/known.so"
  game() {
    LD_PRELOAD="$work/known.so" ASAN_OPTIONS=verify_asan_link_order=0 \
      timeout 10 "$program" "$@"
  }
else
  game() { timeout 10 $emulator "$known" "$@"; }
fi
[ -n "$failing" ] && cp "$failing" "$work/failing.so"

# check NAME STATUS ERROR: the last run ended with STATUS and printed
# exactly the line ERROR (or nothing) on standard error.
check() {
  if [ -n "$3" ]; then printf '%s\n' "$3"; fi >"$work/expected"
  if [ "$status" -ne "$2" ] || ! cmp -s "$work/expected" <(unix_lines "$work/err"); then
    echo "$1: status $status (expected $2), standard error:"
    diff <(unix_lines "$work/err") "$work/expected"
    failed=1
  fi
}

# same NAME FILE EXPECTED: the output in FILE is exactly EXPECTED's.
same() {
  cmp -s <(unix_lines "$2") "$3" || { echo "$1: output differs"; failed=1; }
}

printf '100\ns\ny\n50\nh\nh\ns\nn\n' | game >"$work/out" 2>"$work/err"
status=$?
check "recorded session" 0 ""
diff -u "$transcript" <(unix_lines "$work/out") || failed=1

for input in '' '100' '100\n' 'abc' '100\nh' '100\ns\n' '100\ns\ny\n' \
  '100\ns\nyes\n50\nh\nh\nhhh'; do
  printf "$input" | game >/dev/null 2>"$work/err"
  status=$?
  check "input '$input' cut off" 0 ""
done

# An answer that arrives in two reads is read whole: the next round shows
# the pot it made.
printf '100\ns\ny\n' | $emulator "$program" --seed 3 >"$work/whole"
(printf 1; sleep 1; printf '00\ns\ny\n') |
  timeout 10 $emulator "$program" --seed 3 >"$work/out" 2>"$work/err"
status=$?
check "an answer in two reads" 0 ""
same "an answer in two reads" "$work/out" <(unix_lines "$work/whole")

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

if [ -n "$failing" ]; then
  printf '100\ns\nn\n' | LD_PRELOAD="$work/failing.so" WRITE_NOTHING=1 \
    timeout 10 "$program" >/dev/null 2>"$work/err"
  status=$?
  check "a write that takes nothing" 1 \
    "blackjack: cannot write to standard output: Input/output error"

  # The refusal of too large a bet is written out when first said.
  printf '1e400\n100\ns\nn\n' |
    LD_PRELOAD="$work/failing.so" FAIL_NEW_AFTER=0 \
    timeout 10 "$program" >/dev/null 2>"$work/err"
  status=$?
  check "no memory left" 1 "blackjack: out of memory"
fi

# A bet is judged on every digit typed, however many, in memory that does
# not grow with it: where allocations can be made to fail, none may be
# needed to read it.
printf '25\ns\nn\n' | game >"$work/short" 2>"$work/err"
{ printf '0%.0s' $(seq 100000); printf '25 s\nn\n'; } >"$work/answers"
if [ -n "$failing" ]; then
  LD_PRELOAD="$work/known.so $work/failing.so" FAIL_NEW_AFTER=0 \
    timeout 10 "$program" <"$work/answers" >"$work/out" 2>"$work/err"
else
  game <"$work/answers" >"$work/out" 2>"$work/err"
fi
status=$?
check "a bet of 100,002 digits" 0 ""
same "a bet of 100,002 digits" "$work/out" <(unix_lines "$work/short")

# Pipes that are not ready are waited for: an empty input, a full output.
if [ -n "$nonblocking" ]; then
  for round in $(seq 150); do printf '10\n2\n2\nh\n2\ns\ny\n'; done >"$work/answers"
  "$program" --seed 8 <"$work/answers" >"$work/blocking"
  timeout 20 "$nonblocking" "$program" --seed 8 <"$work/answers" \
    >"$work/out" 2>"$work/err"
  status=$?
  check "non-blocking pipes" 0 ""
  [ "$(wc -c <"$work/out")" -gt 65536 ] ||
    { echo "non-blocking pipes: too little output to fill a pipe"; failed=1; }
  same "non-blocking pipes" "$work/out" "$work/blocking"
fi

# check_read NAME REASON: the last run failed to read for REASON. Wine
# gives reasons of its own: there, the line up to the reason is compared.
check_read() {
  if [ -n "$emulator" ]; then
    sed -i 's/: [^:]*$//' "$work/err"
    check "$1" 1 "blackjack: cannot read standard input"
  else
    check "$1" 1 "blackjack: cannot read standard input: $2"
  fi
}

game </ >/dev/null 2>"$work/err"
status=$?
check_read "input a directory" "Is a directory"

game <&- >/dev/null 2>"$work/err"
status=$?
check_read "input closed" "Bad file descriptor"

# A seed deals the same game again; another seed, another game.
answers='100\n2\n2\nh\n2\ns\ny\n100\n2\n2\ns\nn\n'
printf "$answers" | $emulator "$program" --seed 4294967295 >"$work/first"
printf "$answers" | $emulator "$program" -s 4294967295 >"$work/again"
printf "$answers" | $emulator "$program" --seed=0 >"$work/other"
cmp -s "$work/first" "$work/again" || { echo "the same seed dealt differently"; failed=1; }
cmp -s "$work/first" "$work/other" && { echo "two seeds dealt alike"; failed=1; }

exit $failed
