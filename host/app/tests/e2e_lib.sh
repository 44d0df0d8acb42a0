# Shared steps of the desktop program's end-to-end tests: a private X server, a private home and
# temporary folders, bounded waits, and cleanup of everything the test started.
#
# A test sources this file after setting TRELVAN, VMXMK and SOURCE_DIR, then calls e2e_setup.

set -euo pipefail

E2E_PIDS=()

fail() {
  echo "FAIL: $*" >&2
  if [[ -n "${LOG:-}" && -f "$LOG" ]]; then
    echo "---- Trelvan's standard error ----" >&2
    cat "$LOG" >&2
  fi
  exit 1
}

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${E2E_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  # WebKit's helper processes end shortly after the program and may still write their caches.
  if [[ -n "${WORK:-}" ]]; then
    wait_until 10 rm -rf "$WORK" || rm -rf "$WORK" || true
  fi
}

# A fresh folder holding the test's home, settings, temporary folders and files; an X server of
# its own on a display number it picks itself; a stand-in for "xdg-open" that only records.
e2e_setup() {
  WORK="$(mktemp -d "${TMPDIR:-/tmp}/trelvan-e2e.XXXXXX")"
  trap e2e_cleanup EXIT
  mkdir -p "$WORK/home" "$WORK/config" "$WORK/tmp" "$WORK/bin" "$WORK/site/html"
  mkdir -m 0700 "$WORK/run"
  export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run"
  export XDG_CACHE_HOME="$WORK/home/.cache" XDG_DATA_HOME="$WORK/home/.local/share"
  export TMPDIR="$WORK/tmp" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 MESA_SHADER_CACHE_DISABLE=true
  # The online page is a local file too: a test never reaches outside the machine.
  export VIMOX_SITE_BASE="file://$WORK/site"
  printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/opened"\n' "$WORK" > "$WORK/bin/xdg-open"
  chmod +x "$WORK/bin/xdg-open"
  export PATH="$WORK/bin:$PATH"
  unset DBUS_SESSION_BUS_ADDRESS

  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  E2E_PIDS+=($!)
  wait_until 20 test -s "$WORK/display" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  export DISPLAY=":$(head -n1 "$WORK/display")"
  LOG="$WORK/trelvan.log"
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails after SECONDS.
wait_until() {
  local limit=$(($1 * 10)); shift
  local i
  for ((i = 0; i < limit; i++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Starts Trelvan with the given arguments, its output going to $LOG; sets TRELVAN_PID.
start_trelvan() {
  : > "$LOG"
  "$TRELVAN" "$@" >>"$LOG" 2>&1 &
  TRELVAN_PID=$!
  E2E_PIDS+=("$TRELVAN_PID")
}

# wait_log PATTERN [SECONDS]: waits until $LOG has a line matching the extended regex PATTERN.
wait_log() {
  wait_until "${2:-60}" grep -Eq -- "$1" "$LOG" || fail "no line matching '$1' in the output"
}

# wait_window TITLE_REGEX [SECONDS]: prints the id of a visible window whose title matches.
wait_window() {
  local limit=$(( ${2:-60} * 10 )) i wid
  for ((i = 0; i < limit; i++)); do
    wid="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
    if [[ -n "$wid" ]]; then echo "$wid"; return 0; fi
    sleep 0.1
  done
  fail "no window titled '$1'"
}

# wait_gone TITLE_REGEX [SECONDS]: waits until no visible window has a matching title.
wait_gone() {
  wait_until "${2:-30}" bash -c "! xdotool search --onlyvisible --name '$1'" ||
    fail "window '$1' did not close"
}

# press WID KEYS...: focuses the window and sends the keys to it.
press() {
  local wid=$1; shift
  xdotool windowfocus --sync "$wid" key --clearmodifiers "$@"
}

# wait_exit [SECONDS]: waits for Trelvan to end and sets TRELVAN_STATUS.
wait_exit() {
  wait_until "${1:-30}" bash -c "! kill -0 $TRELVAN_PID" || fail "Trelvan did not end"
  TRELVAN_STATUS=0
  wait "$TRELVAN_PID" || TRELVAN_STATUS=$?
}

# The frame file the compiler itself writes for a definition and a photo.
reference_frame() {  # DEFINITION PHOTO OUTPUT
  (cd "$WORK" && "$VMXMK" -if "$1" -ii "$2" -o "$3" >/dev/null) || fail "vmxmk failed on $1"
}

# Temporary compilers left in the private temporary folder.
leftover_compilers() {
  find "$XDG_RUNTIME_DIR" "$TMPDIR" -name 'vmxmk*.exe' 2>/dev/null
}

visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | wc -l
}

# menu_command WID MENU_KEY ITEM_KEY: opens a menu of the main window by its access key, waits
# for it to appear, and picks an item by its key (Return takes the first item).
menu_command() {
  local before
  before=$(visible_windows)
  press "$1" "alt+$2"
  wait_until 10 bash -c "[ \$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l) -gt $before ]" ||
    fail "menu $2 did not open"
  xdotool key --clearmodifiers "$3"
}

# make_page TEMPLATE PHOTO OUT: a test page from TEMPLATE with the photo path (as the text of a
# JavaScript string in single quotes) and the repository's sample definition filled in; the
# definition is also left in $WORK/definition.xml.
make_page() {
  grep -v '^<?xml' "$SOURCE_DIR/examples/sample.xml" > "$WORK/definition.xml"
  local photo=${2//\\/\\\\}
  photo=${photo//\'/\\\'}
  PAGE_PHOTO="$photo" PAGE_DEFINITION="$WORK/definition.xml" awk '
    /@DEFINITION@/ { while ((getline line < ENVIRON["PAGE_DEFINITION"]) > 0) print line; next }
    { at = index($0, "@PHOTO@")
      if (at) $0 = substr($0, 1, at - 1) ENVIRON["PAGE_PHOTO"] substr($0, at + 7)
      print }' "$1" > "$3"
}
