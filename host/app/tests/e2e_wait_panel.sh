#!/usr/bin/env bash
# The wait panel: up while the page loads, and gone as soon as some document completes, here a
# frame's, while the page itself is still loading (an image on it never arrives).
#
# Usage: e2e_wait_panel.sh TRELVAN SLOW_SITE
TRELVAN=$1 SLOW_SITE=$2
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup

"$SLOW_SITE" "$WORK/port" "$WORK/release" &
E2E_PIDS+=($!)
wait_until 20 test -s "$WORK/port" || fail "the local site did not start"
export VIMOX_SITE_BASE="http://127.0.0.1:$(head -n1 "$WORK/port")"

# The share of white in the 200 x 60 strip at the top centre of the 1000-pixel window, where the
# panel's dark text stands. The menu's texts stand further left, and the test page draws nothing
# there.
strip_whiteness() {
  import -window "$WID" png:- 2>/dev/null | convert png:- -crop 200x60+400+0 +repage \
    -colorspace gray -threshold 50% -format '%[fx:mean]' info:
}
panel_shown() {
  local white
  white=$(strip_whiteness) && [[ -n "$white" && "$white" != "1" ]]
}
panel_hidden() {
  local white
  white=$(strip_whiteness) && [[ "$white" == "1" ]]
}

start_trelvan
WID=$(wait_window '^幻格制作工具 - 维墨图坊$')
wait_until 30 panel_shown || fail "no wait panel while the page loads"
touch "$WORK/release"
wait_until 30 panel_hidden || fail "the wait panel stayed after the frame's document completed"
echo PASS
