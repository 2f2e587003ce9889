#!/usr/bin/env bash
# End to end: the real morvik binary in a real X server, driven by real input events, judged by
# what a user sees on screen and gets on disk.
#   e2e.sh /path/to/morvik
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xserver.sh"

MORVIK="$1"
WORK="$(mktemp -d)"
APP_PID=""
passed=0
failed=0

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    stop_xserver
    rm -rf "$WORK"
}
trap cleanup EXIT

check() { # check NAME COMMAND...
    local name="$1"
    shift
    if "$@"; then
        echo "PASS   : $name"
        passed=$((passed + 1))
    else
        echo "FAIL!  : $name"
        failed=$((failed + 1))
    fi
}

# A private X server with a window manager, as on a desktop: it gives the focus back to the
# window when the Find dialog closes.
start_xserver "$WORK" 1920x1080
start_window_manager "$WORK"

# A fresh temporary folder and a stand-in editor that records what it was asked to open.
mkdir -p "$WORK/tmp" "$WORK/bin" "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
cat >"$WORK/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$@" >>"$WORK/editor.log"
STUB
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH" TMPDIR="$WORK/tmp" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime"
unset QT_QPA_PLATFORM
# The first runs are English, whatever the machine's own language.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

# The program keeps find.txt beside itself: run a copy so the build folder stays clean, with
# the plot's plugin beside it as in the build folder.
cp "$MORVIK" "$WORK/bin/morvik"
cp "$(dirname "$MORVIK")/morvik-plot.so" "$WORK/bin/"
"$WORK/bin/morvik" >"$WORK/morvik.log" 2>&1 &
APP_PID=$!

click() { # click X Y, in the window's own coordinates
    xdotool mousemove --window "$window" "$1" "$2" click 1
}
pixel() { # pixel X Y -> "R,G,B" as drawn on screen, in the window's own coordinates
    import -window "$window" "$WORK/shot.png"
    convert "$WORK/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
is() { [ "$1" = "$2" ] || { echo "    got $1, expected $2"; return 1; }; }
# The program answers events in its own time: every check waits for what it expects, up to ten
# seconds, instead of sleeping a guessed while.
eventually() { # eventually COMMAND...: COMMAND holds now or within ten seconds
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    "$@" # once more, to tell why not
}
pixel_is() { is "$(pixel "$1" "$2")" "$3"; }           # pixel_is X Y R,G,B
pixel_is_not() { ! is "$(pixel "$1" "$2")" "$3"; }     # pixel_is_not X Y R,G,B
dialog_active() { # a window other than the chart has the keyboard, as a dialog does
    local active
    active=$(xdotool getactivewindow 2>/dev/null) && [ "$active" != "$window" ]
}
window_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
open_chart() { # waits for the chart's window, painted and with the keyboard
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Morvik$' | head -1)
    eventually pixel_is $IRON "$METAL" && eventually window_active
}

# Tile corners, a few pixels in from the top-left so the caption does not get in the way.
IRON="267 91"     # column 8, row 4
SILICON="465 69"  # column 14, row 3
OXYGEN="531 47"   # column 16, row 2
METAL="255,224,192"
METALLOID="192,192,255"
NONMETAL="255,255,192"
open_chart

check "window titled Morvik" is "$(xdotool getwindowname "$window")" "Morvik"
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
check "window 660 pixels wide, tall enough" test "${geometry%x*}" = 660 -a "${geometry#*x}" -ge 396
check "metal tile colour" pixel_is $IRON "$METAL"
check "metalloid tile colour" pixel_is $SILICON "$METALLOID"
check "non-metal tile colour" pixel_is $OXYGEN "$NONMETAL"

# Iron, then Export.
click 279 98
click 290 238
eventually test -s "$WORK/editor.log"
printf 'Name\t\t\tIron\r\nSymbol\t\t\tFe\r\nAtomic number\t\t26\r\nAtomic weight\t\t55.847 amu\r\nAtomic radius\t\t1.720 A\r\nBoiling point\t\t3000 C\r\nMelting point\t\t1536 C\r\nDensity\t\t\t7860 kg/m^3\r\nLatent ht. of vapor\t354.1 kJ/mol\r\nLatent ht. of fusion\t15.4 kJ/mol\r\nElectrical conduct.\t0.100 10^6/ohm-cm\r\nThermal conduct.\t75.348 W/m-C\r\nSpecific heat capacity\t0.460 kJ/kg-C\r\nIonization potential\t7.870 V\r\nElectronegativity\t1.830\r\nValency\t\t\t2\r\nEquivalent weight\t27.92 amu\r\nCrystal structure\tBody centered\r\nDiscovered by\t\t--\r\nYear of discovery\t--\r\nElectronic config.\t[Ar] 4s2 3d6\r\nApplications\t\tTools\r\n' >"$WORK/expected.txt"
check "export writes the sheet byte for byte" cmp -s "$WORK/expected.txt" "$WORK/tmp/Properties.txt"
check "editor started on the export" is "$(cat "$WORK/editor.log" 2>/dev/null)" "$WORK/tmp/Properties.txt"

# Find "fe" in the real dialog: iron turns red; Refresh gives its colour back.
click 71 363
dialog=""
for _ in $(seq 50); do
    dialog=$(xdotool search --onlyvisible --name '^Morvik$' | grep -v "^$window\$" | head -1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
check "find asks in a dialog" test -n "$dialog"
eventually dialog_active
xdotool type --delay 50 "fe"
xdotool key Return
check "find paints iron red" eventually pixel_is $IRON "255,0,0"
check "find leaves silicon alone" pixel_is $SILICON "$METALLOID"
eventually window_active
click 128 363
check "refresh restores iron" eventually pixel_is $IRON "$METAL"

# Column format hides the tiles.
click 198 363
check "column view hides the metal tile" eventually pixel_is_not $IRON "$METAL"
check "column view hides the non-metal tile" eventually pixel_is_not $OXYGEN "$NONMETAL"
click 198 363
check "table view shows the tiles again" eventually pixel_is $IRON "$METAL"

# --- Colour by a property ------------------------------------------------------------------
# "Colour by" opened with a click and "Density [kg/m^3]" chosen with the keys: osmium's tile
# turns darker than hydrogen's, and technetium's, which has no density, grey.
OSMIUM="267 135"     # column 8, row 6
HYDROGEN="36 25"     # column 1, row 1
TECHNETIUM="234 113" # column 7, row 5
lightness() { # lightness "R,G,B": its luminance, 0 to 255
    echo "$1" | awk -F, '{ printf "%d", 0.2126 * $1 + 0.7152 * $2 + 0.0722 * $3 }'
}
darker_than() { # darker_than X1 Y1 X2 Y2: the first pixel far darker than the second
    test $(($(lightness "$(pixel "$3" "$4")") - $(lightness "$(pixel "$1" "$2")"))) -gt 100
}
open_colour_by() { # clicks "Colour by" and waits for its list to open over iron's tile
    local under
    under=$(pixel $IRON)
    click 220 32
    eventually pixel_is_not $IRON "$under"
}
open_colour_by
xdotool key --delay 50 Down Down Down Down Down Down Return
check "density: technetium grey, no data" eventually pixel_is $TECHNETIUM "180,180,180"
check "density: osmium far darker than hydrogen" darker_than $OSMIUM $HYDROGEN
xdotool key --delay 50 ctrl+l Home
check "class colours again" eventually pixel_is $IRON "$METAL"
# --- end of colour by a property ------------------------------------------------------------

# The context menu opens where it is asked for, over iron's tile, by the right button and by
# the Menu key on the focused tile; Escape closes it.
BESIDE_FE="290 104" # right of iron's caption, inside its tile
click 279 98
check "iron's tile before the context menu" eventually pixel_is $BESIDE_FE "$METAL"
xdotool mousemove --window "$window" 268 92 click 3
check "right button opens the context menu" eventually pixel_is_not $BESIDE_FE "$METAL"
xdotool key Escape
check "escape closes the context menu" eventually pixel_is $BESIDE_FE "$METAL"
xdotool key Menu
check "menu key opens the context menu" eventually pixel_is_not $BESIDE_FE "$METAL"
xdotool key Escape
eventually pixel_is $BESIDE_FE "$METAL"

# --- State at temperature -------------------------------------------------------------------
# "State at temperature", the last entry, chosen with a click and the End key; 1000 typed into
# the temperature box below the legend: aluminium (melts at 660 C) turns from solid to liquid.
ALUMINIUM="432 69" # column 13, row 3
SOLID="0,68,136"
LIQUID="86,180,233"
open_colour_by
xdotool key --delay 50 End Return
check "states at 25 °C: aluminium solid" eventually pixel_is $ALUMINIUM "$SOLID"
click 130 74
xdotool key ctrl+a
xdotool type --delay 50 "1000"
check "states at 1000 °C: aluminium liquid" eventually pixel_is $ALUMINIUM "$LIQUID"
xdotool key --delay 50 ctrl+l Home
check "class colours after the states" eventually pixel_is $IRON "$METAL"
# --- end of state at temperature ------------------------------------------------------------

# --- "Rank by" after scrolling the columns ----------------------------------------------------
# A real click in the scroll bar's trough moves the columns five properties to the right; a
# real choice of "Ionization potential" in "Rank by": the first row is Helium's, its name in the
# Name column and its melting point in the next (copied to the clipboard to be read).
click 198 363                       # Column format
eventually pixel_is_not $IRON "$METAL"
click 450 319                       # the horizontal scroll bar's trough, right of its slider
click 380 362                       # "Rank by"
xdotool type --delay 50 "Ion"
xdotool key Return
click 70 60                         # the first row of the Name column
xdotool key ctrl+c
first_row() { xclip -o -selection clipboard 2>/dev/null | head -1; }
ranked_helium_first() { test "$(first_row | cut -f1,2)" = $'Helium\t-272'; }
check "rank by after scrolling: names in the Name column" eventually ranked_helium_first
click 198 363                       # back to the chart
eventually pixel_is $IRON "$METAL"

# --- The print preview, over most of the screen -------------------------------------------------
xdotool key ctrl+shift+p
preview_window() { xdotool search --onlyvisible --name '^Print preview' | head -1; }
preview_open() { test -n "$(preview_window)"; }
eventually preview_open
preview_width=$(xdotool getwindowgeometry "$(preview_window)" | awk '/Geometry/ {print $2}')
check "print preview opens over most of the screen (${preview_width})" \
    test "${preview_width%x*}" -ge 800 -a "${preview_width#*x}" -ge 550
xdotool key Escape
eventually window_active

# --- A pipe at the name the printout is saved to ------------------------------------------------
# Qt's print dialog would open it and freeze; Morvik's save dialog is answered with its name,
# the window refuses it at once and still answers.
mkdir -p "$HOME/Documents"
mkfifo "$HOME/Documents/pipe.pdf"
xdotool key Menu Down Down Down Down Return   # "Save printout as PDF…"
eventually dialog_active
xdotool key ctrl+a
xdotool type --delay 20 "$HOME/Documents/pipe.pdf"
xdotool key Return
# The dialog asks, in a window of its own title, before it replaces what stands there: yes.
save_dialogs() { xdotool search --onlyvisible --name '^Save printout as PDF' | wc -l; }
asked_to_replace() { test "$(save_dialogs)" -eq 2; }
eventually asked_to_replace
xdotool key --delay 100 Left Return
# The refusal is a message of the window's own title; it must have the keyboard before the Return
# that answers it, not the save dialog on its way out.
message_active() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) && [ "$active" != "$window" ] &&
        xdotool search --onlyvisible --name '^Morvik$' | grep -qx "$active"
}
refused() { [ "$(save_dialogs)" -eq 0 ] && message_active; }
check "a pipe at the name: refused with a message, at once" eventually refused
check "a pipe at the name: still a pipe" test -p "$HOME/Documents/pipe.pdf"
xdotool key Return
eventually window_active
click 279 98
check "a pipe at the name: the window still answers" eventually pixel_is $IRON "$METAL"

# --- A trend as a plot -----------------------------------------------------------------------
# Ctrl+G shows the plot in the tiles' place, the ionization potential against the atomic number
# the first it plots; a real click on its highest point, the one of the non-metals' colour that
# stands highest in the plot, shows helium's sheet.
xdotool key ctrl+g
plot_shown() { pixel_is_not $IRON "$METAL"; }
eventually plot_shown
highest_point() { # x y of the topmost pixel of a non-metal's colour in the plot's place
    import -window "$window" "$WORK/shot.png"
    convert "$WORK/shot.png" -crop 619x184+8+44 +repage -depth 8 txt:- | awk -F'[,: ]+' \
        -v colour="($NONMETAL)" '$0 ~ colour { if (best == "" || $2 < besty) { best = $1; besty = $2 } }
        END { if (best != "") print best + 8, besty + 44 + 3 }'
}
point=$(highest_point)
check "the plot shows its points" test -n "$point"
xdotool mousemove --window "$window" ${point% *} ${point#* } click 1
xdotool key ctrl+c
helium_on_show() { xclip -o -selection clipboard 2>/dev/null | head -1 | grep -q $'^Name\t*Helium'; }
check "a click on the plot's highest point shows helium's sheet" eventually helium_on_show
xdotool key ctrl+g
check "Ctrl+G again: the chart" eventually pixel_is $IRON "$METAL"

# --- Morvik at any size ------------------------------------------------------------------------
# Maximised by a double click on its title bar, as a user does: the chart grows with the window,
# iron's tile at least 2.5 times its designed 30 pixels, and a click on it shows iron's sheet.
# Ctrl+minus makes it a window again a step smaller, Ctrl+0 the size it opened at.
client_size() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
maximised() { [ "$(client_size | cut -dx -f1)" -ge 1800 ]; }
frame_top=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 300)) $((Y - frame_top - frame_top / 2)) click --repeat 2 --delay 80 1
check "maximised by a double click on the title bar" eventually maximised
size=$(client_size)
# Where iron's tile is now: the design scaled by the largest factor that fits, centred.
read -r scale left top < <(awk -v w="${size%x*}" -v h="${size#*x}" 'BEGIN {
    s = w / 660; if (h / 396 < s) s = h / 396
    printf "%f %d %d\n", s, (w - 660 * s) / 2 + 264 * s, (h - 396 * s) / 2 + 88 * s }')
tile_width() { # the run of the metal colour along the middle of iron's tile
    import -window "$window" "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "400x1+$left+$((top + 4))" +repage -depth 8 txt:- \
        | awk -v metal="($METAL)" 'NR > 1 { gsub(/ /, "", $2); if ($2 == metal) n++; else if (n) exit } END { print n + 0 }'
}
wide_enough() { [ "$(tile_width)" -ge 75 ]; }
check "maximised: iron's tile 2.5 times its width or more (scale $scale)" eventually wide_enough
xdotool mousemove --window "$window" $((left + 20)) $((top + 10)) click 1
xdotool key ctrl+c
iron_on_show() { xclip -o -selection clipboard 2>/dev/null | head -1 | grep -q $'^Name\t*Iron'; }
check "maximised: a click on iron shows iron's sheet" eventually iron_on_show
xdotool key ctrl+minus
stepped_down() { [ "$(client_size)" = 1650x990 ]; }
check "Ctrl+minus: a window again, one step smaller (2.5 times)" eventually stepped_down
xdotool key ctrl+0
as_opened() { [ "$(client_size)" = 660x396 ]; }
check "Ctrl+0: the size it opened at" eventually as_opened

check "program still running" kill -0 "$APP_PID"

# ---- The same program started again under another locale and under a dark desktop theme ----
restart_with() { # restart_with VAR=VALUE...: ends the program and starts it again with those
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    env "$@" "$WORK/bin/morvik" >>"$WORK/morvik.log" 2>&1 &
    APP_PID=$!
    open_chart
}
answer_find() { # answer_find TEXT: clicks Find and types TEXT into its dialog
    click 71 363
    eventually dialog_active
    xdotool type --delay 50 "$1"
    xdotool key Return
    eventually window_active
}
contrast_at_least() { # contrast_at_least RATIO W H X Y BX BY: the strongest WCAG contrast in
    # the box W x H at X,Y against the pixel at BX,BY (the surface under the text)
    local under
    under=$(pixel "$6" "$7")
    convert "$WORK/shot.png" -crop "$2x$3+$4+$5" +repage -depth 8 txt:- | awk -v under="$under" -v wanted="$1" '
        function linear(v) { v /= 255; return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ^ 2.4 }
        function luminance(c, parts) { split(c, parts, ","); return 0.2126 * linear(parts[1]) + 0.7152 * linear(parts[2]) + 0.0722 * linear(parts[3]) }
        BEGIN { back = luminance(under); best = 1 }
        NR > 1 {
            colour = $2; gsub(/[()]/, "", colour); l = luminance(colour)
            ratio = l > back ? (l + 0.05) / (back + 0.05) : (back + 0.05) / (l + 0.05)
            if (ratio > best) best = ratio
        }
        END { if (best < wanted) { printf "    got %.2f : 1, expected %s : 1 or more\n", best, wanted; exit 1 } }'
}

restart_with LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8
answer_find "si"
check "Turkish locale: find paints silicon red by \"si\"" eventually pixel_is $SILICON "255,0,0"

values_line_up() { # values_line_up FILE: every value of an exported sheet starts at one column
    iconv -f UTF-8 -t LATIN1 "$1" | LC_ALL=C awk -F '\t' '
        { column = length($1); for (i = 1; i < NF; i++) column = int(column / 8 + 1) * 8 }
        NR == 1 { first = column }
        column != first || column <= length($1) { bad = 1 }
        END { exit bad || NR != 22 }'
}

restart_with LANG=de_DE.UTF-8
answer_find "eis"
check "German locale: find paints iron red by \"eis\"" eventually pixel_is $IRON "255,0,0"
click 128 363
eventually pixel_is $IRON "$METAL"
click 279 98
click 290 238
eventually grep -q Eisen "$WORK/tmp/Properties.txt"
check "German locale: the exported sheet names Eisen" grep -q $'^Name\t*Eisen\r$' "$WORK/tmp/Properties.txt"
check "German locale: the exported sheet lines up" values_line_up "$WORK/tmp/Properties.txt"

values_line_up_in_cells() { # values_line_up_in_cells FILE: as a text editor shows it, a
    # Chinese or Japanese character two cells wide: every value starts at one column
    local first="" line label cells tabs
    while IFS= read -r line; do
        line="${line%$'\r'}"
        label="${line%%$'\t'*}"
        cells=$(printf '%s' "$label" | LC_ALL=C.UTF-8 wc -L)
        tabs="${line#"$label"}"
        tabs="${tabs%%[!$'\t']*}"
        for _ in $(seq ${#tabs}); do cells=$(((cells / 8 + 1) * 8)); done
        [ -n "$first" ] || first=$cells
        [ "$cells" = "$first" ] || return 1
    done <"$1"
    [ -n "$first" ]
}
export_iron() { # clicks iron and Export, and waits for the file to name iron as given
    click 279 98
    click 290 238
    eventually grep -q "$1" "$WORK/tmp/Properties.txt"
}

restart_with LANG=ru_RU.UTF-8
check "Russian: the chart opens" pixel_is $IRON "$METAL"
export_iron Железо
check "Russian: the exported sheet names Железо" grep -q $'^Название\t*Железо\r$' "$WORK/tmp/Properties.txt"
check "Russian: the exported sheet lines up" values_line_up_in_cells "$WORK/tmp/Properties.txt"

restart_with LANG=ja_JP.UTF-8
check "Japanese: the chart opens" pixel_is $IRON "$METAL"
export_iron 鉄
check "Japanese: the exported sheet names 鉄" grep -q $'\t鉄\r$' "$WORK/tmp/Properties.txt"
check "Japanese: the exported sheet lines up, two cells a character" \
    values_line_up_in_cells "$WORK/tmp/Properties.txt"

restart_with QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
check "dark desktop theme: iron's caption readable" contrast_at_least 4.5 30 20 264 88 $IRON
echo "Totals: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
