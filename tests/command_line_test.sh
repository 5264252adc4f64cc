#!/usr/bin/env bash
# Every way of calling the program with options: exactly what it prints on
# standard output and standard error, and its exit status. Answers wait on
# standard input, so a game that starts when it should not shows up. A
# Windows program runs under $BLACKJACK_EMULATOR, its \r\n read as \n.
program=$1 help=$2 version=$3
. "$(dirname "$0")/lib.sh"
: >"$work/none"

# ARGUMENTS | STATUS | STANDARD OUTPUT: help, version or none | STANDARD
# ERROR, where TRY is the line that points to --help
while IFS='|' read -r arguments status output error; do
  printf '%b' "${error//TRY/Try \'blackjack --help\' for more information.\\n}" \
    >"$work/expected_err"
  printf '100\ns\nn\n' |
    timeout 10 $emulator "$program" $arguments >"$work/raw_out" 2>"$work/raw_err"
  actual=$?
  unix_lines "$work/raw_out" >"$work/out"
  unix_lines "$work/raw_err" >"$work/err"
  case $output in
  help) expected_out=$help ;;
  version) expected_out=$version ;;
  *) expected_out=$work/none ;;
  esac
  if [ "$actual" -ne "$status" ] || ! cmp -s "$work/out" "$expected_out" ||
    ! cmp -s "$work/err" "$work/expected_err"; then
    echo "blackjack $arguments: status $actual (expected $status)"
    diff -u "$expected_out" "$work/out"
    diff -u "$work/expected_err" "$work/err"
    failed=1
  fi
done <<'CASES'
--help|0|help|
-h|0|help|
--version|0|version|
-V|0|version|
--help --version|0|help|
--version --help|0|version|
-V -h|0|version|
--version --bogus|0|version|
-h stray|0|help|
--frob|2|none|blackjack: unrecognized option '--frob'\nTRY
--frob --help|2|none|blackjack: unrecognized option '--frob'\nTRY
--frob=1 -h|2|none|blackjack: unrecognized option '--frob=1'\nTRY
--help=x|2|none|blackjack: option '--help' doesn't allow an argument\nTRY
--vers=x|2|none|blackjack: option '--version' doesn't allow an argument\nTRY
-x|2|none|blackjack: invalid option -- 'x'\nTRY
--seed=1 -xV|2|none|blackjack: invalid option -- 'x'\nTRY
--seed|2|none|blackjack: option '--seed' requires an argument\nTRY
-V --se|0|version|
-s|2|none|blackjack: option requires an argument -- 's'\nTRY
--seed=abc|2|none|blackjack: the seed must be a whole number from 0 to 4294967295, not 'abc'\nTRY
-s 4294967296|2|none|blackjack: the seed must be a whole number from 0 to 4294967295, not '4294967296'\nTRY
--seed=-1|2|none|blackjack: the seed must be a whole number from 0 to 4294967295, not '-1'\nTRY
--seed=|2|none|blackjack: the seed must be a whole number from 0 to 4294967295, not ''\nTRY
stray|2|none|blackjack: unexpected argument 'stray'\nTRY
--seed=１９|2|none|blackjack: the seed must be a whole number from 0 to 4294967295, not '１９'\nTRY
－－help|2|none|blackjack: unexpected argument '－－help'\nTRY
stray✓|2|none|blackjack: unexpected argument 'stray✓'\nTRY
--seed 1 stray|2|none|blackjack: unexpected argument 'stray'\nTRY
CASES
exit $failed
