# What the program's shell tests share, sourced by each after it has read
# its arguments: `emulator` runs a Windows program (Wine), `failed` is the
# exit status so far, `work` a folder of the test's own that goes at exit.
set -u
emulator=${BLACKJACK_EMULATOR:-}
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files named, or standard input, as a Unix program would have written
# them: a Windows program's \r\n as \n. On Linux every byte stays.
unix_lines() {
  if [ -n "$emulator" ]; then cat "$@" | tr -d '\r'; else cat "$@"; fi
}
