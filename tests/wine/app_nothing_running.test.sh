#!/usr/bin/env bash
# "arx close" and "arx hide" with no gallery running end at once, show no window and leave no event.
. "$(dirname "$0")/lib/app.sh"
scenario_begin

for tokens in "arx close" "arx hide"; do
  start_gallery lone $tokens
  wait_for_exit "$GALLERY_PID" || fail "'$tokens' with nothing running did not end"
  wait "$GALLERY_PID"; status=$?
  expect_eq "$status" 0 "exit status of '$tokens'"
  expect_windows "$HOSTED_TITLE" 0 0
  expect_windows "$STANDALONE_TITLE" 0 0
  expect_event absent
done
echo "PASS"
