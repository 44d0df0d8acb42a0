#!/usr/bin/env bash
# A page after "-bat" that cannot be read as a file: the box says the document cannot be opened,
# and once it is closed the program ends with a nonzero status, never showing its main window.
#
# Usage: e2e_bad_page.sh TRELVAN
TRELVAN=$1
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup

mkdir -p "$WORK/a folder"
for page in "$WORK/missing.html" "https://example.com/page.html" "$WORK/a folder"; do
  start_trelvan -bat "$page"
  BOX=$(wait_window '^维墨幻格制作$')
  xdotool search --onlyvisible --name ' - 维墨图坊$' >/dev/null 2>&1 &&
    fail "$page: the main window was shown"
  press "$BOX" Return
  wait_exit
  [[ $TRELVAN_STATUS -ne 0 ]] || fail "$page: exit status 0"
  grep -qF "无法打开文档 $page。" "$LOG" || fail "$page: no message naming the document"
done
echo PASS
