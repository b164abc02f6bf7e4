#!/usr/bin/env bash
# What an animating window costs: starts the program under its own Xvfb,
# starts an animation, and over a quiet stretch prints
#   - the CPU share of one core (utime + stime from /proc/PID/stat),
#   - the frames per second painted in the pendulum box (picPendule),
#   - the longest gap between two of those paints.
# The paints come from the program's kestrova.paint log (a line a second);
# builds whose line has no gap yet give only the rate. --qt-log reads Qt's
# own widget-painting log instead: any build, every paint, but that log
# costs about one point of CPU itself.
#
# Usage: bench/animation_cost.sh [--damped | --foucault | --idle | --paused]
#            [--program PATH] [--display :N] [--seconds S]
#   --damped    (default) the damped window, animation started with Alt+A
#   --foucault  the Foucault window (Ctrl+2), started with Alt+A; its
#               frames always come from Qt's log (its picPendule, the side
#               view, has no kestrova.paint counter)
#   --idle      the damped window as it opens, nothing started
#   --paused    the damped window started, then paused
#   --graphs    the damped window with four kept runs and the "Graphiques"
#               window maximised, started with Alt+A; frames are those of
#               the angle graph (plotAngle) from Qt's log
#   --graphs-paused  the same, started then paused
#   --undamped  the damped window alone with λ = 0: a run that swings as
#               long as --graphs's, to compare with it
#   --cpu-only  without any painting log; no frames counted
#   --qt-log    frames from Qt's widget-painting log
set -euo pipefail

mode=damped
program="$(dirname "$0")/../build/default/app/kestrova"
display=:11
seconds=10
rules="kestrova.paint.debug=true"
widget=picPendule
while [[ $# -gt 0 ]]; do
    case "$1" in
    --damped | --idle | --paused) mode="${1#--}" ;;
    --undamped) mode=undamped ;;
    --graphs | --graphs-paused) mode="${1#--}"; widget=plotAngle; rules="qt.widgets.painting.info=true" ;;
    --foucault) mode=foucault; rules="qt.widgets.painting.info=true" ;;
    --cpu-only) rules="" ;;
    --qt-log) rules="qt.widgets.painting.info=true" ;;
    --program) program="$2"; shift ;;
    --display) display="$2"; shift ;;
    --seconds) seconds="$2"; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done
for tool in Xvfb xdotool awk; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done
[[ -x "$program" ]] || { echo "no program at $program" >&2; exit 2; }

work="$(mktemp -d)"
xvfb_pid=""
program_pid=""
cleanup() {
    # Gone for good before returning: the next run takes the same display.
    [[ -n "$program_pid" ]] && { kill "$program_pid" 2>/dev/null; wait "$program_pid"; } || true
    [[ -n "$xvfb_pid" ]] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid"; } || true
    rm -rf "$work"
}
trap cleanup EXIT

if DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1; then
    echo "display $display is already in use" >&2
    exit 2
fi
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

# One line per paint of a widget, stamped with the process's own clock.
DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    QT_LOGGING_RULES="$rules" \
    QT_MESSAGE_PATTERN="%{time process} %{message}" \
    "$program" 2>"$work/paint.log" &
program_pid=$!
sleep 3

# No window manager: give the frame the keyboard focus by hand.
x() { DISPLAY="$display" xdotool "$@"; }
x windowfocus --sync "$(x search --onlyvisible --name Kestrova | head -1)"
case "$mode" in
damped) x key alt+a ;;
undamped) x key Tab Tab Tab Home; sleep 0.2; x key alt+a ;;
foucault) x key ctrl+2; sleep 1; x key alt+a ;;
paused) x key alt+a; sleep 1; x key alt+a ;;
idle) ;;
graphs | graphs-paused)
    # Four kept runs of four small dampings (the focus starts on the first
    # slider; the fourth is the damping), an undamped current run that
    # swings for as long as the measure lasts, the animation started (Alt+A
    # reaches the damped window only while it is the active one), then the
    # frame over the whole screen and the graphs window maximised by a
    # double click on its title bar.
    x key Tab Tab Tab Home
    for _ in 1 2 3 4; do x key Right; sleep 0.2; x key ctrl+l; sleep 0.2; done
    x key Home; sleep 0.2
    x key alt+a
    [[ "$mode" == graphs-paused ]] && { sleep 1; x key alt+a; }
    x windowsize "$(x search --onlyvisible --name Kestrova | head -1)" 1280 800; sleep 0.5
    x key ctrl+g; sleep 1
    x mousemove 300 55 click --repeat 2 --delay 80 1
    ;;
esac
sleep 2 # past the start

if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "the program is not running; its output:" >&2
    cat "$work/paint.log" "$work/xvfb.log" >&2
    exit 1
fi
cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$program_pid/stat"; }
hz=$(getconf CLK_TCK)
lines_before=$(wc -l <"$work/paint.log")
ticks_before=$(cpu_ticks)
start_ns=$(date +%s%N)
sleep "$seconds"
ticks_after=$(cpu_ticks)
end_ns=$(date +%s%N)
lines_after=$(wc -l <"$work/paint.log")

sed -n "$((lines_before + 1)),${lines_after}p" "$work/paint.log" >"$work/measured"

awk -v ticks=$((ticks_after - ticks_before)) -v hz="$hz" \
    -v wall=$(((end_ns - start_ns) / 1000)) -v mode="$mode" -v widget="$widget" '
    # Qt log: one line per paint, stamped.
    $0 ~ "Drawing .*name=\"" widget "\"" { t = $1 + 0; if (n > 0 && t - last > gap) gap = t - last; last = t; n++ }
    # kestrova.paint: "picPendule: N paints in M ms, longest gap G ms" (older: "R paints/s").
    /picPendule: [0-9]+ paints in/ {
        for (i = 1; i <= NF; i++) {
            if ($i == "paints") paints += $(i - 1)
            if ($i == "in") ms += $(i + 1)
            if ($i == "gap" && $(i + 1) / 1000 > gap) { gap = $(i + 1) / 1000; gaps = 1 }
        }
    }
    /picPendule: [0-9.]+ paints\/s/ { for (i = 1; i <= NF; i++) if ($i == "paints/s") { rate += $(i - 1); lines++ } }
    END {
        w = wall / 1e6
        if (ms > 0) fps = 1000 * paints / ms
        else if (lines > 0) fps = rate / lines
        else fps = n / w
        printf "%s: cpu %.1f %% of one core, %.1f frames/s painted in %s, ",
            mode, 100 * ticks / hz / w, fps, widget
        if (n > 1 || gaps) printf "longest gap %.0f ms\n", 1000 * gap
        else print "longest gap n/a"
    }' "$work/measured"
