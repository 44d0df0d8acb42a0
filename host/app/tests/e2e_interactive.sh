#!/usr/bin/env bash
# "FinishMake" as a user meets it: the save dialog takes a name typed without its extension, the
# compile runs, the question after it is answered No, and nothing is opened. The frame file is
# what vmxmk writes itself; the page's call returns 0 only after all of that.
#
# Usage: e2e_interactive.sh TRELVAN VMXMK SOURCE_DIR
TRELVAN=$1 VMXMK=$2 SOURCE_DIR=$3
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup

HERE="$(cd "$(dirname "$0")" && pwd)"
PHOTO="$WORK/photo.jpg"
cp "$SOURCE_DIR/examples/sample.jpg" "$PHOTO"
mkdir -p "$WORK/pages" "$WORK/out"
make_page "$HERE/interactive_page.html" "$PHOTO" "$WORK/pages/interactive.html"
reference_frame "$WORK/definition.xml" "$PHOTO" "$WORK/reference.vmf"

# The save dialog opens in the current folder. Typing a bare name there keeps the dialog's path
# completion out of the way of the Return that follows.
cd "$WORK/out"
start_trelvan -bat "$WORK/pages/interactive.html"
SAVE=$(wait_window '^另存为$')
xdotool windowfocus --sync "$SAVE" type --delay 10 made
# The name field completes names in the background, and a Return that comes while it does is
# lost; so Return is given again while the dialog stays and nothing else has come up.
for attempt in 1 2 3 4 5; do
  sleep 1
  xdotool search --onlyvisible --name '^另存为$' >/dev/null 2>&1 || break
  xdotool search --onlyvisible --name '^提示$' >/dev/null 2>&1 && break
  press "$SAVE" Return || true
done
wait_gone '^另存为$'

# No editor is registered in this home, so the question offers the download.
QUESTION=$(wait_window '^提示$')
! grep -q 'CHECK make' "$LOG" || fail "the page's call returned before the question was answered"
press "$QUESTION" alt+n
wait_gone '^提示$'
wait_log 'CHECK make '
grep -q 'CONSOLE LOG CHECK make 0$' "$LOG" || fail "FinishMake did not return 0"

cmp "$WORK/reference.vmf" "$WORK/out/made.vmf" || fail "frame differs from vmxmk's"
[[ -z "$(leftover_compilers)" ]] || fail "temporary compiler left: $(leftover_compilers)"
[[ ! -e "$WORK/opened" ]] || fail "answered No, yet opened: $(cat "$WORK/opened")"
echo PASS
