#!/usr/bin/env bash
# Every long option that --help names is described in the manual page and
# in the README, and the Windows README shows --help as the Windows program
# prints it. A Windows program runs under $BLACKJACK_EMULATOR.
set -u
program=$1 manual=$2 readme=$3 windows_readme=$4
emulator=${BLACKJACK_EMULATOR:-}
help=$($emulator "$program" --help | tr -d '\r')
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
[ -n "$options" ] || { echo "--help names no long option"; exit 1; }
failed=0
for option in $options; do
  # The manual page escapes each hyphen: \-\-seed.
  grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$manual" ||
    { echo "$option is not in the manual page"; failed=1; }
  grep -qF -- "$option" "$readme" || { echo "$option is not in the README"; failed=1; }
done
if [ -n "$emulator" ] && [[ $(tr -d '\r' <"$windows_readme") != *"$help"* ]]; then
  echo "the Windows README does not show --help as the program prints it"
  failed=1
fi
exit $failed
