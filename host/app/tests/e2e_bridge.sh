#!/usr/bin/env bash
# The page's external object through the real web view: names in any case, the same object,
# integer results, refused calls that throw, frames; "FinishMakeBat" making a frame file in batch
# mode and answering -1 without touching anything outside it.
#
# Usage: e2e_bridge.sh TRELVAN VMXMK SOURCE_DIR
TRELVAN=$1 VMXMK=$2 SOURCE_DIR=$3
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup

HERE="$(cd "$(dirname "$0")" && pwd)"
# Characters the address escapes ("+", "%") and ones it carries as they are (blank, Chinese).
PHOTO_DIR="$WORK/照片 1+1%"
PHOTO="$PHOTO_DIR/photo.jpg"
mkdir -p "$PHOTO_DIR" "$WORK/pages"
cp "$SOURCE_DIR/examples/sample.jpg" "$PHOTO"
make_page "$HERE/bridge_page.html" "$PHOTO" "$WORK/pages/bridge.html"
cp "$HERE/bridge_frame.html" "$WORK/pages/"
reference_frame "$WORK/definition.xml" "$PHOTO" "$WORK/reference.vmf"

# expect_checks BAT_RESULT: every CHECK line the page must log, in any order.
expect_checks() {
  wait_log "CHECK bat "
  wait_log "CHECK frame-show-dialog "
  local expected actual
  expected=$(printf '%s\n' "same-object true" "has-any-case true" "has-unknown false" "kelvin-sign false" \
    "show-dialog 0" "wrong-count threw TypeError" "null-argument threw TypeError" \
    "replaced-xhr 0" "frame-show-dialog 0" "bat $1" | sort)
  actual=$(grep -o 'CONSOLE LOG CHECK .*' "$LOG" | sed 's/^CONSOLE LOG CHECK //' | sort)
  [[ "$actual" == "$expected" ]] || fail "page saw:
$actual
expected:
$expected"
}

# Batch mode: the frame file appears beside the photo, as vmxmk makes it.
start_trelvan -bat "$WORK/pages/bridge.html"
wait_window '^bridge\.html - 维墨图坊$' >/dev/null
expect_checks 0
cmp "$WORK/reference.vmf" "$PHOTO_DIR/made.vmf" || fail "frame differs from vmxmk's"
[[ -z "$(leftover_compilers)" ]] || fail "temporary compiler left: $(leftover_compilers)"
[[ ! -e "$WORK/opened" ]] || fail "batch mode opened something: $(cat "$WORK/opened")"
kill "$TRELVAN_PID"
wait_exit
rm "$PHOTO_DIR/made.vmf"

# Without batch mode (the online page, here a local copy): -1, and nothing is written.
cp "$WORK/pages/bridge.html" "$WORK/site/html/zuvuzedu_ol.html"
cp "$HERE/bridge_frame.html" "$WORK/site/html/"
start_trelvan
wait_window '^幻格制作工具 - 维墨图坊$' >/dev/null
expect_checks -1
[[ ! -e "$PHOTO_DIR/made.vmf" ]] || fail "a frame file was made outside batch mode"
echo PASS
