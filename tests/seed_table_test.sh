#!/usr/bin/env bash
# The same seed deals the same game on every system: what the program
# prints for a fixed script of answers, with each seed of the table, must
# have the SHA-256 the table gives (a Windows program, run under
# $BLACKJACK_EMULATOR, with its \r\n line ends read as \n). A change to the
# dealing fails here, and on every other system, at once.
#
#     seed_table_test.sh PROGRAM TABLE ANSWERS
set -u
program=$1 table=$2 answers=$3
emulator=${BLACKJACK_EMULATOR:-}
failed=0
while read -r seed expected; do
  [[ $seed == \#* ]] && continue
  if [ -n "$emulator" ]; then
    actual=$($emulator "$program" --seed="$seed" <"$answers" | tr -d '\r' | sha256sum)
  else
    actual=$("$program" --seed="$seed" <"$answers" | sha256sum)
  fi
  if [ "${actual%% *}" != "$expected" ]; then
    echo "seed $seed: the game's SHA-256 is ${actual%% *}, not $expected"
    failed=1
  fi
done <"$table"
exit $failed
