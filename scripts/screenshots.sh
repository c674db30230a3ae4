#!/usr/bin/env bash
# Takes the README's pictures with real mouse input on the Wine virtual desktop:
# the Copy Note list, the tray menu with a submenu, Manage Notes, the Links
# dialog and the donation dialog. Writes small PNGs into docs/.
set -euo pipefail
source "$(dirname "$0")/common.sh"
quillet_need_packages
command -v import >/dev/null || { [ "$(id -u)" = 0 ] && apt-get install -y -qq imagemagick >/dev/null; }
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
quillet_rig "$BUILD" >/dev/null

run="$BUILD/screenshots"
rm -rf "$run"; mkdir -p "$run"
cp "$BUILD/bin/Quillet.exe" "$run/"
printf "%s" "The Terms and Conditions and Disclaimer for 'Quillet v1.0.3.2' have been accepted." >"$run/TermsAccepted.txt"
printf 'Meeting at 10:30\r\r\nRoom 4' >"$run/QuilletSlot0.txt"
printf 'https://www.vantler.example/software/quillet' >"$run/QuilletSlot1.txt"
printf 'Remember the milk' >"$run/QuilletSlot2.txt"
printf 'SELECT name FROM notes WHERE slot < 50;' >"$run/QuilletSlot3.txt"
(cd "$run" && wine ./Quillet.exe >/dev/null 2>&1 &)
sleep 4
out="$QUILLET_ROOT/docs"
mkdir -p "$out"
# Positions on the 1280x800 virtual desktop: the tray icon is the first from
# the right; the tray menu opened from it always lands in the same place.
shot() { import -window root "$run/full.png"; convert "$run/full.png" -crop "$2" +repage "$out/$1.png"; }
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep "${4:-1.5}"; }
menu() { click 1270 790 3 1; }

click 1270 790 1 2.5
shot copy-note-list 1280x140+0+660
xdotool key Escape; sleep 0.3
menu; xdotool mousemove 1150 671; sleep 1.2
shot tray-menu 800x330+480+470
xdotool key Escape Escape; sleep 0.5
menu; click 1150 712 1 2.5                      # Manage Notes
shot manage-notes 1280x200+0+600
menu; xdotool mousemove 1150 589; sleep 1        # Common
xdotool mousemove 1000 589; sleep 0.4
click 960 614 1 2                                # Create & Delete Links
shot links-dialog 514x466+384+314
click 840 752 1 1                                # OK
menu; click 1150 605 1 2                         # Make a Donation to Vantler
shot donate-dialog 398x472+441+312
echo "pictures written to $out"
