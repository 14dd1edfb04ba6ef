#!/usr/bin/env bash
# Takes the user's guide's pictures, docs/guide/ja/*.png and docs/guide/en/*.png, from
# the built program on a virtual screen with a fresh home folder. It builds nothing:
# build first (./run.sh, or cmake and ninja).
#
#   scripts/guide-screenshots.sh [BUILD_DIR] [ja|en ...]
#
# BUILD_DIR defaults to build/release, then build/dev; the languages to both. It needs
# Xvfb, openbox, xdotool, ImageMagick's import and a Japanese font, and says which are
# missing. The layouts in the pictures are made with `ferrovane-cli script`.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
if [ -z "$build" ]; then
    for candidate in "$root/build/release" "$root/build/dev"; do
        if [ -x "$candidate/src/gui/ferrovane" ]; then build=$candidate; break; fi
    done
fi
[ $# -gt 0 ] && shift
languages=("$@")
[ ${#languages[@]} -eq 0 ] && languages=(ja en)
gui=${build:-build/release}/src/gui/ferrovane
cli=${build:-build/release}/src/cli/ferrovane-cli
if [ ! -x "$gui" ] || [ ! -x "$cli" ]; then
    echo "guide-screenshots: no built program at $gui; build it first" >&2
    exit 1
fi
gui=$(realpath "$gui")
cli=$(realpath "$cli")

missing=()
for pair in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick fc-list:fontconfig; do
    command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
done
if command -v fc-list >/dev/null 2>&1 && [ -z "$(fc-list :lang=ja family)" ]; then
    missing+=(fonts-noto-cjk)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "guide-screenshots: missing ${missing[*]}; install them with" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
fi

# A fixed folder, so the window titles in the pictures read the same every time.
work=/tmp/ferrovane-guide
rm -rf "$work"
mkdir -p "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A screen of its own, and a window manager so that windows get frames and focus.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR
export QT_QPA_PLATFORM=xcb
export HOME=$work/home
mkdir -p "$HOME"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

catalogue=$root/data/catalogues/n-33mm.rtr
layouts=$work/layouts
mkdir -p "$layouts"

# The layouts of the pictures. A piece goes from (x, y) at an angle: 270 runs right.
make_layout() { "$cli" script - >/dev/null 2>&1; }
# An oval of eight curves and two straights.
oval='tool straight S248
free 700 250 270
tool curve R249-45
at 1 1 1
at 2 1 1
at 3 1 1
at 4 1 1
tool straight S248
at 5 1 1
tool curve R249-45
at 6 1 1
at 7 1 1
at 8 1 1
at 9 1 1'
make_layout <<EOF
catalogue $catalogue
size 2400 1500
$oval
save $layouts/oval.fvl
EOF
make_layout <<EOF
catalogue $catalogue
size 2400 1500
$oval
label 640 420 "中央駅" "Noto Sans CJK JP" 24 bold 000080
label 640 520 "Central station" "Noto Sans CJK JP" 14 italic 800000
save $layouts/labelled.fvl
EOF
make_layout <<EOF
catalogue $catalogue
size 2400 1500
tool straight S248
free 150 500 270
at 1 1
at 2 1
free 1150 750 270
save $layouts/open-track.fvl
EOF

# The program in LANG with a layout (or none), past its welcome window.
program=0
start_program() {
    local lang=$1
    shift
    LANG=$lang LC_ALL=$lang LANGUAGE= "$gui" "$@" >/dev/null 2>&1 &
    program=$!
    pids+=("$program")
    xdotool search --sync --onlyvisible --pid "$program" >/dev/null
    sleep 1
}
proceed() {
    xdotool key --clearmodifiers Return
    sleep 3
}
stop_program() {
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    sleep 0.5
}
shot() {
    import -window root "$1"
    echo "guide-screenshots: $1"
}
# The main window's board: its top-left corner on the screen.
board_origin() {
    local id
    id=$(xdotool search --onlyvisible --pid "$program" --name '\.fvl|Ferrovane' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # Below the menu bar and the ruler.
    echo "$X $((Y + 3))"
}
menu() { # ALT-LETTER ITEM-LETTER
    xdotool key --clearmodifiers "alt+$1"
    sleep 0.5
    xdotool key --clearmodifiers "$2"
    sleep 2
}

for language in "${languages[@]}"; do
    case $language in
        ja) lang=ja_JP.UTF-8 ;;
        en) lang=en_US.UTF-8 ;;
        *) echo "guide-screenshots: unknown language $language" >&2; exit 64 ;;
    esac
    out=$root/docs/guide/$language
    mkdir -p "$out"
    rm -rf "$HOME"
    mkdir -p "$HOME"

    # First start: the catalogue is asked for.
    start_program "$lang"
    proceed
    # A word of welcome, then the file dialog in the bundled catalogues' folder.
    xdotool key --clearmodifiers Return
    sleep 2
    shot "$out/first-start.png"
    xdotool type --delay 20 "$catalogue"
    xdotool key --clearmodifiers Return
    sleep 3
    xdotool key --clearmodifiers ctrl+q
    sleep 1
    stop_program

    start_program "$lang" "$layouts/oval.fvl"
    proceed
    shot "$out/main-window.png"
    stop_program

    start_program "$lang" "$layouts/open-track.fvl"
    proceed
    read -r bx by < <(board_origin)
    # The free end of the third straight, at x = 150 + 3 * 248, y = 500, at 75 %.
    ex=$((bx + 894 * 3 / 4))
    ey=$((by + 500 * 3 / 4))
    xdotool mousemove $((ex - 4)) "$ey" mousemove "$ex" "$ey"
    sleep 1.5
    shot "$out/laying-track.png"
    xdotool key --clearmodifiers Right Right
    sleep 0.5
    xdotool mousemove $((ex - 4)) "$ey" mousemove "$ex" "$ey"
    sleep 1.5
    shot "$out/points.png"
    xdotool key --clearmodifiers Escape
    # A flexible rail from that end to the start of the lone straight at (1150, 750).
    menu t f
    xdotool mousemove "$ex" "$ey" click 1
    sleep 1
    xdotool mousemove $((bx + 1150 * 3 / 4)) $((by + 750 * 3 / 4)) click 1
    sleep 1.5
    shot "$out/flexible-rail.png"
    stop_program

    start_program "$lang" "$layouts/oval.fvl"
    proceed
    menu t u
    read -r bx by < <(board_origin)
    # The pointer on the centre of a curve at the oval's left end, (471, 403).
    xdotool mousemove $((bx + 471 * 3 / 4)) $((by + 403 * 3 / 4))
    sleep 1.5
    shot "$out/elevation.png"
    stop_program

    start_program "$lang" "$layouts/labelled.fvl"
    proceed
    menu t t
    shot "$out/text-label.png"
    stop_program

    start_program "$lang" "$layouts/labelled.fvl"
    proceed
    xdotool key --clearmodifiers ctrl+p
    sleep 3
    shot "$out/print-preview.png"
    stop_program

    start_program "$lang" "$layouts/oval.fvl"
    proceed
    menu t o
    shot "$out/options.png"
    stop_program
done
