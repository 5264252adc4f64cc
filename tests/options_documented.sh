#!/usr/bin/env bash
# Every long option that --help names is described in the manual page and
# in the README.
set -u
program=$1 manual=$2 readme=$3
options=$("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "--help names no long option"; exit 1; }
failed=0
for option in $options; do
  # The manual page escapes each hyphen: \-\-seed.
  grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$manual" ||
    { echo "$option is not in the manual page"; failed=1; }
  grep -qF -- "$option" "$readme" || { echo "$option is not in the README"; failed=1; }
done
exit $failed
