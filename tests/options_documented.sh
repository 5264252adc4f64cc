#!/usr/bin/env bash
# Every long option that --help names is described in the manual page and
# in the README, and the Windows README shows --help as the Windows program
# prints it. A Windows program runs under $BLACKJACK_EMULATOR.
program=$1 manual=$2 readme=$3 windows_readme=$4
. "$(dirname "$0")/lib.sh"
help=$($emulator "$program" --help | unix_lines)
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
[ -n "$options" ] || { echo "--help names no long option"; exit 1; }
for option in $options; do
  # The manual page escapes each hyphen: \-\-seed.
  grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$manual" ||
    { echo "$option is not in the manual page"; failed=1; }
  grep -qF -- "$option" "$readme" || { echo "$option is not in the README"; failed=1; }
done
if [ -n "$emulator" ] && [[ $(unix_lines "$windows_readme") != *"$help"* ]]; then
  echo "the Windows README does not show --help as the program prints it"
  failed=1
fi
exit $failed
