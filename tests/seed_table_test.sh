#!/usr/bin/env bash
# The same seed deals the same game on every system: what the program
# prints for a fixed script of answers, with each seed of the table, must
# have the SHA-256 the table gives, line ends read as \n (a Windows program
# runs under $BLACKJACK_EMULATOR and ends its lines with \r\n; on Linux the
# dialogue test holds every byte). A change to the dealing fails here, and
# on every other system, at once.
#
#     seed_table_test.sh PROGRAM TABLE ANSWERS
program=$1 table=$2 answers=$3
. "$(dirname "$0")/lib.sh"
while read -r seed expected; do
  [[ $seed == \#* ]] && continue
  actual=$($emulator "$program" --seed="$seed" <"$answers" | unix_lines | sha256sum)
  if [ "${actual%% *}" != "$expected" ]; then
    echo "seed $seed: the game's SHA-256 is ${actual%% *}, not $expected"
    failed=1
  fi
done <"$table"
exit $failed
