#!/usr/bin/env bash
# The real program, as a pupil uses it: started in an empty folder on an X
# server, driven with real clicks and keys through the window system. Opens
# paper 1 of topic 2 with the keys alone and answers it with a click on an
# option; opens paper 2 of topic 2, answers, saves, marks, closes, opens it
# again with a double click and with the main window's button while it is
# open (the question must stay on the page), and quits, checking the files
# after each step; then starts again over a damaged answers file, and a
# second copy in the same folder. Leaves a screenshot of each step in SHOTS.
# Usage: e2e-program.sh PROGRAM BROWSER_MODULE SHOTS   (exit 77: skipped)
set -euo pipefail
program="$1" module="$2" shots="$3"
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
  echo "no display, xdotool or import: skipped"
  exit 77
fi

work="$(mktemp -d)"
pid=""
# The program leads a process group of its own: the web engine's helpers go
# with it.
trap '[ -n "$pid" ] && kill -- "-$pid" 2>/dev/null; rm -rf "$work"' EXIT
cp "$program" "$module" "$work/"
rm -rf "$shots"
mkdir -p "$shots"

fail() { echo "FAIL: $*"; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }
shot() { import -window root "$shots/$1.png"; }
# Waits up to $2 tenths of a second for a visible window of the program
# titled $1 (a pattern).
window() {
  local w=""
  for _ in $(seq "$2"); do
    w="$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1 || true)"
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq "$2"); do
    xdotool search --all --onlyvisible --pid "$pid" --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# The n-th value of a key's line in a results file (1-based).
value() { grep -a "^#$2#" "$work/$1" | tr -d '\r' | cut -d'>' -f"$(($3 + 1))"; }
# Passes when the page of paper window $1 shows something dark (text, a
# diagram) in the top of its page area: a blank page is white there.
page_has_text() {
  local geometry x y
  geometry="$(xdotool getwindowgeometry --shell "$1")"
  x="$(sed -n 's/^X=//p' <<<"$geometry")" y="$(sed -n 's/^Y=//p' <<<"$geometry")"
  import -window root -crop "600x300+$((x + 30))+$((y + 110))" "$work/page.png"
  [ "$(convert "$work/page.png" -colorspace gray -format '%[fx:minima<0.3]' info:)" = 1 ]
}

(cd "$work" && exec setsid ./tessaly >"$work/log.txt" 2>&1) &
pid=$!

# 1. Start-up in an empty folder.
main="$(window '^Tessaly$' 100)" || fail "the main window did not appear"
sleep 0.5
shot 01-started
[ "$(ls "$work/Graphics" | wc -l)" -eq 89 ] || fail "Graphics does not hold 89 pictures"
for f in marks first second fresults sresults trend; do
  [ -f "$work/${f}2TY.txt" ] || fail "${f}2TY.txt was not made"
done
[ ! -e "$work/temptext30000.txt" ] || fail "the configuration file was left behind"

# 2. The keys alone: the focus starts on topic 1; Down chooses topic 2, Tab
# goes to the button of its paper 1, Return opens it.
xdotool key Down Tab Return
paper1="$(window '^Matter and Changes in States - Paper 1$' 200)" ||
  fail "Down, Tab, Return did not open paper 1 of topic 2"
sleep 2 # the web engine's first page
page_has_text "$paper1" || fail "paper 1 opened on a blank page"
shot 02-keys-opened-paper-1

# A click on option (2) of question 1 (window coordinates), then Save.
xdotool mousemove --window "$paper1" 250 247 click 1
sleep 0.5
shot 03-option-2-chosen
xdotool key ctrl+s
window '^Quorvane$' 50 >/dev/null || fail "no notice after Save"
xdotool key Return
gone '^Quorvane$' 50 || fail "the notice stayed"
[ "$(value first2TY.txt 106 1)" = "2" ] || fail "the option clicked was not stored"

# Topic 2 is chosen; the load button of paper 2 (window coordinates of the
# fixed 680 x 540 main window) closes paper 1 and opens paper 2.
xdotool windowraise "$main"
xdotool mousemove --window "$main" 140 217 click 1
sleep 0.3
xdotool mousemove --window "$main" 553 243 click 1
window '^Matter and Changes in States - Paper 2$' 200 >/dev/null ||
  fail "paper 2 of topic 2 did not open"
gone 'Paper 1$' 50 || fail "paper 1 stayed open"
sleep 2 # the first page
shot 04-paper-open

# 3. An answer to question 1, then Save with its notice.
xdotool type --delay 40 3
xdotool key ctrl+s
window '^Quorvane$' 50 >/dev/null || fail "no notice after Save"
shot 05-saved
xdotool key Return
gone '^Quorvane$' 50 || fail "the notice stayed"
[ "$(value first2TY.txt 107 1)" = "3" ] || fail "the answer was not saved"

# 4. Mark, confirmed: the score of paper 7 of the module and the trend.
xdotool key ctrl+m
window '^Marking$' 50 >/dev/null || fail "no confirmation before marking"
xdotool key Return
for _ in $(seq 80); do [ -n "$(value marks2TY.txt FSE 7)" ] && break; sleep 0.1; done
[ "$(value marks2TY.txt FSE 7)" = "3.3" ] || fail "score $(value marks2TY.txt FSE 7), not 3.3"
[ "$(value trend2TY.txt TRD 1)" = "3.3" ] || fail "the trend did not gain the score"
[ "$(value fresults2TY.txt 107 1 | head -c1 | od -An -tx1 | tr -d ' \n')" = "fc" ] || fail "no tick stored"
sleep 0.5
shot 06-marked

# 5. Close the paper, confirmed: no page file left, the main window again.
xdotool key ctrl+w
window '^Close Practice$' 50 >/dev/null || fail "no confirmation before closing"
xdotool key Return
gone 'Paper 2$' 50 || fail "the paper window stayed open"
left="$(compgen -G "$work/[Tt][Ee][Mm][Pp]*" || true)"
[ -z "$left" ] || fail "scratch files left: $left"
sleep 0.3
shot 07-closed

# 6. A double click on the load button of paper 2, then a click on it while
# the paper is open: each time the question stays on the page.
xdotool mousemove --window "$main" 553 243 click --repeat 2 --delay 80 1
paper2="$(window 'Paper 2$' 200)" || fail "the double click opened no paper"
sleep 2
[ -n "$(compgen -G "$work/temppaper*.mht" || true)" ] || fail "the page file went with the double click"
page_has_text "$paper2" || fail "a double click left the page blank"
shot 08-double-click
xdotool windowraise "$main"
sleep 0.3
xdotool mousemove --window "$main" 553 243 click 1
sleep 3
paper2="$(window 'Paper 2$' 50)" || fail "the paper did not open again"
page_has_text "$paper2" || fail "opening the open paper left the page blank"
shot 09-open-paper-opened-again
xdotool key ctrl+w
window '^Close Practice$' 50 >/dev/null || fail "no confirmation before closing"
xdotool key Return
gone 'Paper 2$' 50 || fail "the paper window stayed open"

# 7. The Close button of the toolbar ends the program.
xdotool mousemove --window "$main" 199 90 click 1
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" || fail "the program ended with status $?"
pid=""
# Start-up's threads must leave no complaint from the toolkit.
if grep -E "different thread|outside the GUI thread|QObject::" "$work/log.txt"; then
  fail "the toolkit complained (above)"
fi

# 8. A damaged answers file at the next start: rebuilt with the answer kept,
# the original kept beside it, and the pupil told.
printf 'junk on top\r\n' | cat - "$work/first2TY.txt" > "$work/damaged" && mv "$work/damaged" "$work/first2TY.txt"
(cd "$work" && exec setsid ./tessaly >"$work/log.txt" 2>&1) &
pid=$!
window '^Saved Results$' 100 >/dev/null || fail "no notice of the repair"
shot 10-repaired
xdotool key Return
gone '^Saved Results$' 50 || fail "the notice stayed"
[ "$(value first2TY.txt 107 1)" = "3" ] || fail "the saved answer was lost in the repair"
compgen -G "$work/first2TY.txt.damaged-*" >/dev/null || fail "no copy of the damaged file"
[ "$(head -c 11 "$work"/first2TY.txt.damaged-*)" = "junk on top" ] || fail "the copy is not the original"

# 9. A second copy in the same folder brings the first forward and ends.
before="$(cat "$work"/*.txt | md5sum)"
(cd "$work" && timeout 15 ./tessaly >/dev/null 2>&1) || fail "the second copy did not end by itself"
kill -0 "$pid" 2>/dev/null || fail "the first copy ended"
[ "$(cat "$work"/*.txt | md5sum)" = "$before" ] || fail "the second copy changed the results files"
main="$(window '^Tessaly$' 50)" || fail "the main window is gone"
xdotool mousemove --window "$main" 199 90 click 1
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" || fail "the program ended with status $?"
pid=""
echo "PASS: the real program, start to close, a repair and a second copy; screenshots in $shots"
