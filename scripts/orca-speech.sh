#!/usr/bin/env bash
# Runs Garabel under the Orca screen reader on a virtual screen, plays keys and
# clicks on it with xdotool, and prints what Orca said. A developer's check of
# what a blind user hears; not a test (Orca is not among the build packages).
#
#   scripts/orca-speech.sh PROGRAM [--] ACTION...
#   ACTION: an xdotool key name (Tab, Right, space, shift+Tab, ctrl+z) or
#           click:X,Y (window coordinates; the window sits at the top left).
# Example: scripts/orca-speech.sh build/garabel -- click:24,152 click:435,300 Right Down
#
# Needs: orca, speech-dispatcher, xvfb, openbox, xdotool, dbus-daemon, at-spi2-core.
# Speech goes to no sound device; Orca's own log gives the words.
set -euo pipefail

program=$(realpath "${1:?usage: scripts/orca-speech.sh PROGRAM [--] ACTION...}")
shift
[[ ${1:-} == -- ]] && shift
for tool in orca Xvfb openbox xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "orca-speech: $tool is missing" >&2; exit 1; }
done

home=$(mktemp -d)
# Speech-dispatcher, started by Orca, is found by its socket in that home.
trap 'kill $xvfb 2>/dev/null; pkill -f "$home" ; rm -rf "$home"' EXIT
# A home of its own: Orca's settings start fresh, and speech-dispatcher writes
# to libao's null device instead of waiting for a sound card.
mkdir -p "$home/.config/speech-dispatcher"
sed 's/^#\? *AudioOutputMethod .*/AudioOutputMethod "libao"/' /etc/speech-dispatcher/speechd.conf \
  >"$home/.config/speech-dispatcher/speechd.conf"
ln -s /etc/speech-dispatcher/modules "$home/.config/speech-dispatcher/modules"
echo "default_driver=null" >"$home/.libao"

display=:$(( 40 + RANDOM % 50 ))
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1

export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home DISPLAY=$display
log=$home/orca.log
dbus-run-session -- bash -s "$program" "$log" "$@" <<'SESSION' >/dev/null 2>&1
program=$1 log=$2; shift 2
/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
openbox & sleep 0.5
orca --replace -d braille -d braille-monitor --debug-file="$log" & orca=$!
for _ in $(seq 60); do grep -q "Runtime settings set" "$log" 2>/dev/null && break; sleep 0.5; done
sleep 4
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" & app=$!
sleep 6
for action in "$@"; do
  case $action in
    click:*) at=${action#click:}; xdotool mousemove "${at%,*}" "${at#*,}" click 1 ;;
    *) xdotool key --delay 100 "$action" ;;
  esac
  sleep 1.2
done
# Orca writes its log in blocks: a last key that says nothing flushes the rest.
xdotool key shift; sleep 4
# Orca writes out the rest of its log as it quits; the bus and the window
# manager go last.
kill $app; wait $app; kill $orca
for _ in $(seq 120); do kill -0 $orca 2>/dev/null || break; sleep 0.5; done
kill -9 $orca 2>/dev/null; wait $orca
kill $(jobs -p) 2>/dev/null || true
SESSION
# One line per utterance; the lines of a longer text (a message box's) joined by " / ".
LC_ALL=C perl -0777 -ne 'while (/SPEECH OUTPUT: \x27(.*?)\x27 ?\{\x27established/sg) { (my $t = $1) =~ s/\n\s*/ \/ /g; print "$t\n" }' "$log"
