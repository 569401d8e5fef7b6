# shellcheck shell=bash
# Helpers for driving a Wine window on the X display the way a user does: real key
# presses, typing and mouse drags through xdotool, and what the screen shows through
# ImageMagick. Sourced by tests/acceptance/acceptance.sh, scripts/screenshot.sh and the
# release test, which shares its checks.

passed=0
failed=0

ok() {
    passed=$((passed + 1))
    echo "ok - $*"
}

# The screen at each failure is kept in $failure_shots, when that is set.
bad() {
    failed=$((failed + 1))
    echo "FAIL - $*"
    if [ -n "${failure_shots:-}" ]; then
        mkdir -p "$failure_shots"
        timeout 20 import -window root "$failure_shots/failure-$failed.png" 2>/dev/null
        echo "  screen: $failure_shots/failure-$failed.png"
    fi
}

# check "what" command...: one result line per check; the run goes on either way, and
# the check's own status tells whether the steps that build on it are worth waiting for.
check() {
    local what=$1
    shift
    if "$@"; then
        ok "$what"
    else
        bad "$what"
        return 1
    fi
}

# same_lines actual expected: true when equal, otherwise the difference is shown.
same_lines() {
    if [ "$1" = "$2" ]; then return 0; fi
    diff <(echo "$1") <(echo "$2") | sed 's/^/  /'
    return 1
}

now_ms() { date +%s%3N; }

# wait_until seconds command...: polls until the command succeeds; false on timeout.
wait_until() {
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        (($(now_ms) > deadline)) && return 1
        sleep 0.05
    done
}

# visible_window title: the id of the mapped window whose whole title is `title`.
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# geometry window: "left top width height" of a top-level window on the screen.
geometry() {
    xdotool getwindowgeometry --shell "$1" 2>/dev/null |
        awk -F= '{ v[$1] = $2 } END { if (!("X" in v)) exit 1; print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"] }'
}

# The frame that Wine draws around a client area of a known size: sets frame_left
# (left, right and bottom border) and frame_top (caption and top border).
measure_frame() {
    local window=$1 client_width=$2 client_height=$3 g
    read -ra g <<<"$(geometry "$window")"
    frame_left=$(((g[2] - client_width) / 2))
    frame_top=$((g[3] - client_height - frame_left))
}

# client_size window: "width height" of the client area, from the frame measured before.
client_size() {
    local g
    read -ra g <<<"$(geometry "$1")"
    echo "$((g[2] - 2 * frame_left)) $((g[3] - frame_top - frame_left))"
}

# click_client window x y: a left click at client coordinates.
click_client() {
    xdotool mousemove --window "$1" $(($2 + frame_left)) $(($3 + frame_top)) click 1
}

# Wine takes keys only in the window it holds active: a click on the caption makes the
# window active as a user would, and the X focus follows.
activate() {
    local g
    read -ra g <<<"$(geometry "$1")"
    xdotool mousemove --window "$1" $((g[2] / 2)) $((frame_top / 2)) click 1
    timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null
    park_pointer
}

# Keeps the pointer off every control, so no hover colour or hint changes a picture.
park_pointer() { xdotool mousemove 1010 750; }

# snapshot window file: the window's picture cut out of the whole screen. Asked for a
# window that has just gone, import would grab the server and wait for a click.
snapshot() {
    local g
    read -ra g <<<"$(geometry "$1")"
    [ ${#g[@]} -eq 4 ] || return 1
    timeout 20 import -window root -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage "$2" 2>/dev/null
}

# dark_share window x y width height [frame_left frame_top]: the share of dark pixels
# (text drawn in the window-text colour) in a client rectangle, 0 to 1.
dark_share() {
    local left=${6:-$frame_left} top=${7:-$frame_top} g
    read -ra g <<<"$(geometry "$1")"
    [ ${#g[@]} -eq 4 ] || return 1
    timeout 20 import -window root -crop "${4}x${5}+$((g[0] + $2 + left))+$((g[1] + $3 + top))" \
        +repage png:- 2>/dev/null |
        convert png:- -colorspace gray -threshold 35% -format '%[fx:1-mean]' info: 2>/dev/null
}

# has_dark_text window x y width height: enabled controls draw their captions dark,
# disabled ones grey.
has_dark_text() {
    local share
    share=$(dark_share "$@") || return 1
    awk -v s="$share" 'BEGIN { exit !(s > 0.05) }'
}

# has_colour window colour: some of the window's pixels are exactly that colour.
has_colour() {
    local g share
    read -ra g <<<"$(geometry "$1")"
    [ ${#g[@]} -eq 4 ] || return 1
    share=$(timeout 20 import -window root -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage png:- \
        2>/dev/null | convert png:- -fill black +opaque "$2" -fill white -opaque "$2" \
        -colorspace gray -format '%[fx:mean]' info: 2>/dev/null) || return 1
    awk -v s="$share" 'BEGIN { exit !(s > 0) }'
}

# type_text text: types as on a keyboard. A character missing from the key map (any
# Japanese one) makes xdotool bind it to a spare key for a moment; typed quickly, Wine
# may look the key up after it is bound to the next one, so those go slowly.
type_text() {
    local rest=$1 run
    while [ -n "$rest" ]; do
        run=${rest%%[^[:ascii:]]*}
        if [ -n "$run" ]; then
            xdotool type --delay 12 -- "$run"
        else
            run=${rest:0:1}
            xdotool type --delay 150 -- "$run"
        fi
        rest=${rest:${#run}}
    done
}

# type_into_focus text: replaces the whole text of the focused edit by typing.
type_into_focus() {
    xdotool key End shift+Home
    type_text "$1"
}

# wine_path unix-path: the path as the program sees it on drive Z:.
wine_path() {
    local p=$1
    printf 'Z:%s' "${p//\//\\}"
}
