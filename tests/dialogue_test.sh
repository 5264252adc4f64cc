#!/usr/bin/env bash
# Plays the built program with a known deck and compares every byte it
# prints with a recorded session; then checks that input ending anywhere
# ends play with status 0.
set -u
program=$1 shim=$2 transcript=$3
export LD_PRELOAD=$shim ASAN_OPTIONS=verify_asan_link_order=0
failed=0

printf '100\ns\ny\n50\nh\nh\ns\nn\n' | "$program" >session.out
status=$?
if [ "$status" -ne 0 ] || ! diff -u "$transcript" session.out; then
  echo "the session's dialogue differs (status $status)"
  failed=1
fi

for input in '' '100' '100\n' 'abc' '100\nh' '100\ns\n' '100\ns\ny\n' \
  '100\ns\nyes\n50\nh\nh\nhhh'; do
  printf "$input" | timeout 10 "$program" >/dev/null
  status=$?
  if [ "$status" -ne 0 ]; then
    echo "input '$input' ended with status $status"
    failed=1
  fi
done
exit $failed
