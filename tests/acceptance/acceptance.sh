#!/usr/bin/env bash
# Acceptance run of the real tavrix.exe: started under Wine on the current X display and
# driven only by key presses, typing, clicks and drags, as a user would. It checks what
# the user finds afterwards: the recycle bin, the files left, the settings files, the
# window's bounds. Screenshots of the main window and the search dialog go to the
# screenshot folder (docs/ unless given) when every check has passed.
#
# Usage: acceptance.sh path/to/tavrix.exe [screenshot-folder]
# Needs DISPLAY, the Wine loader of the build in WINELOADER, and WINEPREFIX and HOME set
# to throwaway folders (scripts/test.sh does all that): it trashes and deletes files, and
# rewrites the program's settings there.
set -uo pipefail

exe=${1:?usage: acceptance.sh tavrix.exe}
here=$(cd "$(dirname "$0")" && pwd)
docs=${2:-$(cd "$here/../.." && pwd)/docs}
# shellcheck source=scripts/desktop.sh
source "$here/../../scripts/desktop.sh"

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all

own_home=$(getent passwd "$(id -u)" | cut -d: -f6)
if [ -z "${DISPLAY:-}" ] || [ -z "${WINELOADER:-}" ] || [ -z "${WINEPREFIX:-}" ] ||
    [ -z "${HOME:-}" ] || [ "$HOME" = "$own_home" ]; then
    echo "acceptance.sh needs DISPLAY, WINELOADER, and WINEPREFIX and HOME set to throwaway folders" >&2
    exit 2
fi

readonly title='自動選択削除'
readonly dialog_title='検索中'
readonly design_width=386 design_height=299
readonly trash_info="$HOME/.local/share/Trash/info"
readonly font_key='HKCU\Software\Wine\Fonts\Replacements'
readonly font_name='ＭＳ Ｐゴシック'

scratch=$(mktemp -d /tmp/tavrix-accept.XXXXXX)
# Screens at failures stay beside the caller: the build folder under CTest.
failure_shots="$PWD/acceptance-failures"
rm -rf "$failure_shots"
app_pid=""
window=""
font_added=false
saved_settings="$scratch/saved-settings"

# The program's own settings of an earlier run in this prefix are put aside for the
# first start and come back at the end, as does the font setting.
put_settings_aside() {
    local dir
    mkdir -p "$saved_settings"
    for dir in "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Brenvolt; do
        [ -d "$dir" ] || continue
        local user=${dir#"$WINEPREFIX"/drive_c/users/}
        user=${user%%/*}
        mv "$dir" "$saved_settings/$user"
    done
}

restore_settings() {
    local saved
    for saved in "$saved_settings"/*; do
        [ -d "$saved" ] || continue
        local target
        target="$WINEPREFIX/drive_c/users/$(basename "$saved")/AppData/Roaming/Brenvolt"
        rm -rf "$target"
        mv "$saved" "$target"
    done
}

# Trash entries of this run only: the trash may hold other tests' files.
forget_trashed() {
    local info
    for info in "$trash_info"/*.trashinfo; do
        [ -f "$info" ] || continue
        grep -q "^Path=$scratch/" "$info" || continue
        local name
        name=$(basename "$info" .trashinfo)
        rm -rf "$HOME/.local/share/Trash/files/$name" "$info"
    done
}

finish() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
        wait "$app_pid" 2>/dev/null
    fi
    if $font_added; then
        "$WINELOADER" reg delete "$font_key" /v "$font_name" /f </dev/null >/dev/null 2>&1
    fi
    rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Brenvolt
    restore_settings
    forget_trashed
    rm -rf "$scratch"
}
trap finish EXIT

summary() {
    if [ "$failed" -eq 0 ]; then
        mkdir -p "$docs"
        cp "$scratch/main-window.png" "$scratch/search-dialog.png" "$docs/"
    fi
    echo "acceptance: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

fatal() {
    bad "$*"
    summary
}

# --- The trees ----------------------------------------------------------------------
# Each plan line is "T path" (the patterns select it) or "K path" (kept); the content of
# a file is its own relative path, so a restored file can be told from another.

make_tree() {
    local root=$1 plan=$2 mark rel
    while read -r mark rel; do
        [ -n "$mark" ] || continue
        mkdir -p "$(dirname "$root/$rel")"
        printf '%s' "$rel" >"$root/$rel"
    done <<<"$plan"
}

paths_marked() {
    local root=$1 plan=$2 wanted=$3 mark rel
    while read -r mark rel; do
        [ "$mark" = "$wanted" ] && printf '%s\n' "$root/$rel"
    done <<<"$plan" | LC_ALL=C sort
}

trashed_under() {
    trash-list 2>/dev/null | sed -E 's/^[0-9-]+ [0-9:]+ //' | grep -F -- "$1/" | LC_ALL=C sort
}

all_absent() {
    local p
    for p in "$@"; do [ ! -e "$p" ] && [ ! -L "$p" ] || return 1; done
}

all_intact() {
    local root=$1 plan=$2 mark rel
    while read -r mark rel; do
        [ "$mark" = K ] || continue
        [ "$(cat "$root/$rel" 2>/dev/null)" = "$rel" ] || { echo "  missing or changed: $rel"; return 1; }
    done <<<"$plan"
}

all_present() {
    local root=$1 plan=$2 mark rel
    while read -r mark rel; do
        [ -n "$mark" ] || continue
        [ -f "$root/$rel" ] || { echo "  missing: $rel"; return 1; }
    done <<<"$plan"
}

# Patterns typed below: "TMP" (becomes .tmp), ".b?k" and ".ob*".
tree_a="$scratch/整理表ソ"
plan_a='T a.tmp
T B.TMP
K c.tmpx
K d.tm
K tmp
K Makefile
T e.bak
T f.BAK
K g.bk
K h.baak
T i.b1k
T j.obj
T k.OBJ
K l.o
T m.ob
K archive.tar.gz
T .hidden.tmp
T .tmp
K .bashrc
K notes.txt
K old.tmp/readme.txt
T old.tmp/inner.bak
T sub/deeper/x.tmp
K sub/deeper/y.txt
T .cache/q.tmp
T 日本語.tmp
K 資料.txt
T 表示.BAK
T フォルダ表/ソース.obj
K フォルダ表/説明.txt'
outside="$scratch/outside"
plan_outside='K z.tmp
K z.bak
K keep.txt'

tree_b="$scratch/second"
plan_b='T p.tmp
T Q.BAK
T sub/r.obj
K s.txt
K sub/t.c'

tree_c="$scratch/第三ソ表"
plan_c='T u.tmp
T deep/v.BAK
T deep/deeper/x.obj
K w.txt
K deep/y.c'

make_tree "$tree_a" "$plan_a"
make_tree "$outside" "$plan_outside"
# A link out of the tree: nothing behind it may be touched.
ln -s "$outside" "$tree_a/link"
make_tree "$tree_b" "$plan_b"
make_tree "$tree_c" "$plan_c"

# Names outside code page 932 beside look-alikes that must stay: the folder cafe.tmp
# (café.tmp seen through the code page) and the folder a.tmp ("?.tmp" as a wildcard).
plan_mixed='T café.tmp
T 한.tmp
T 😀.tmp
T Ωmega.TMP
T 日本.tmp
K café.txt
K x.t한
K cafe.tmp/keep.txt
K a.tmp/keep.txt'
mixed_trash="$scratch/混在ゴミ箱"
mixed_burn="$scratch/混在削除"
make_tree "$mixed_trash" "$plan_mixed"
make_tree "$mixed_burn" "$plan_mixed"

# Thousands of files in thousands of folders: a walk long enough to be watched.
big="$scratch/大量のフォルダー"
python3 - "$big" <<'EOF'
import os, sys
root = os.path.join(sys.argv[1], 'プロジェクト資料')
for year in range(30):
    for module in range(100):
        folder = os.path.join(root, f'年度{1990 + year}', f'module_{module:03d}_source_files')
        os.makedirs(folder)
        for name in ('build.tmp', 'main.c'):
            open(os.path.join(folder, name), 'w').close()
EOF
big_count=$(find "$big" -type f | wc -l)

# --- Driving the program ------------------------------------------------------------

start_app() {
    "$WINELOADER" "$exe" </dev/null >/dev/null 2>&1 &
    app_pid=$!
    wait_until 60 window_shown || fatal "the main window appears with the caption $title"
}

window_shown() {
    window=$(visible_window "$title")
    [ -n "$window" ]
}

app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

close_app() {
    activate "$window"
    xdotool key alt+F4
    if wait_until 30 app_ended; then
        wait "$app_pid" 2>/dev/null
        ok "Alt+F4 closes the program"
    else
        bad "Alt+F4 closes the program"
        kill "$app_pid" 2>/dev/null
    fi
    app_pid=""
}

dialog=""
dialog_up() {
    dialog=$(visible_window "$dialog_title")
    [ -n "$dialog" ]
}
dialog_gone() { [ -z "$(visible_window "$dialog_title")" ]; }
# The dialog is destroyed by a request posted when its modal show returns; after a
# cancel nothing else is left to do, so once it is gone the command is over.
dialog_released() { [ -z "$(xdotool search --name "^$dialog_title\$" 2>/dev/null)" ]; }

# Button4 and Button5 keep their distance to the right edge.
commands_enabled() {
    local size
    read -ra size <<<"$(client_size "$window")"
    has_dark_text "$window" $((size[0] - 84)) 51 69 12
}

subfolder_option_enabled() { has_dark_text "$window" 26 50 170 13; }

# type_folder unix-path: Alt+F, then the folder typed over whatever Edit1 holds; true
# once the commands are enabled, that is once Edit1 names an existing folder. A folder
# that xdotool mistyped is typed once more, and said so.
type_folder() {
    for _ in 1 2; do
        xdotool key alt+f
        type_into_focus "$(wine_path "$1")"
        wait_until 10 commands_enabled && return 0
        echo "  note: the folder was not taken; typing it again"
    done
    return 1
}

# run_command key: presses the command's mnemonic and times its search dialog;
# sets shown_ms to how long the dialog was up.
run_command() {
    xdotool key "$1"
    wait_until 15 dialog_up || { shown_ms=-1; return 1; }
    local up
    up=$(now_ms)
    wait_until 120 dialog_gone || { shown_ms=-1; return 1; }
    shown_ms=$(($(now_ms) - up))
}

# --- First start --------------------------------------------------------------------

put_settings_aside
if "$WINELOADER" reg query "$font_key" /v "$font_name" </dev/null >/dev/null 2>&1; then :; else
    # The proportional face the window font stands for, as scripts/run.sh sets it.
    "$WINELOADER" reg add "$font_key" /v "$font_name" /d IPAPGothic /f </dev/null >/dev/null 2>&1 &&
        font_added=true
fi

start_app
ok "the main window appears with the caption $title"
measure_frame "$window" "$design_width" "$design_height"
read -ra first <<<"$(geometry "$window")"
check "the window has its design size: client 386x299 within a frame of ${frame_left}/${frame_top} px" \
    test "$frame_left" -ge 0 -a "$frame_left" -le 8 -a "$frame_top" -ge "$frame_left" \
    -a "$frame_top" -le 40 -a $((first[2] - 2 * frame_left)) -eq "$design_width"

settings_dir=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Brenvolt/Tavrix 2>/dev/null | head -n 1)
check "the settings folder Brenvolt\\Tavrix is created at start" test -d "$settings_dir"
check "nothing is saved before the window closes" \
    test -z "$(ls -A "$settings_dir" 2>/dev/null)"

# The folder goes in first: typing lands in Edit1 at start, without a click. A folder
# that xdotool mistyped is typed over once more where the focus still is, and said so.
typed_at_start() {
    for _ in 1 2; do
        type_into_focus "$(wine_path "$tree_a")"
        wait_until 10 subfolder_option_enabled && return 0
        echo "  note: the folder was not taken; typing it again"
    done
    return 1
}
activate "$window"
check "typing at start lands in Edit1: the subfolder option becomes enabled" typed_at_start

# The patterns: Edit2 is clicked, each pattern confirmed with Enter.
click_client "$window" 100 98
park_pointer
for pattern in TMP '.b?k' '.ob*'; do
    type_into_focus "$pattern"
    xdotool key Return
done
xdotool key alt+s
wait_until 10 commands_enabled || bad "the delete commands are enabled with a folder and patterns"

snapshot "$window" "$scratch/main-window.png"
check "screenshot of the main window with its patterns" test -s "$scratch/main-window.png"

# --- To the recycle bin -------------------------------------------------------------

expected_a=$(paths_marked "$tree_a" "$plan_a" T)
settle=1
check "Alt+B shows the search dialog, which then closes" run_command alt+b && settle=60
check "the search dialog shows for at least a second (${shown_ms} ms)" test "$shown_ms" -ge 900
mapfile -t selected_a <<<"$expected_a"
wait_until "$settle" all_absent "${selected_a[@]}"
check "Alt+B: exactly the selected files are in the recycle bin, by their original paths" \
    same_lines "$(trashed_under "$tree_a")" "$expected_a"
check "Alt+B: every other file is untouched (hidden, no extension, folder old.tmp, Japanese)" \
    all_intact "$tree_a" "$plan_a"
check "Alt+B: the folder old.tmp is still there" test -d "$tree_a/old.tmp"
check "Alt+B: files behind a link out of the tree survive" all_intact "$outside" "$plan_outside"
check "Alt+B: nothing behind the link is in the recycle bin" \
    test -z "$(trashed_under "$outside")$(trashed_under "$tree_a/link")"

restored="$tree_a/表示.BAK"
(cd "$scratch" && echo 0 | trash-restore "$restored" >/dev/null 2>&1)
check "trash-restore brings a Japanese-named file back to where it was" \
    test "$(cat "$restored" 2>/dev/null)" = "表示.BAK"

# --- Names outside code page 932, by both commands ---------------------------------

# mixed_names name key folder: runs the command on a tree of such names.
mixed_names() {
    local name=$1 key=$2 folder=$3 settle=1 selected
    activate "$window"
    check "Alt+F and typing set $(basename "$folder"); the commands become enabled" \
        type_folder "$folder" || return 1
    check "$name: the search dialog shows and closes" run_command "$key" && settle=60
    mapfile -t selected < <(paths_marked "$folder" "$plan_mixed" T)
    check "$name: café.tmp, 한.tmp, 😀.tmp, Ωmega.TMP and 日本.tmp are gone" \
        wait_until "$settle" all_absent "${selected[@]}"
    check "$name: café.txt, x.t한 and the folders cafe.tmp and a.tmp with their files stay" \
        all_intact "$folder" "$plan_mixed"
}
mixed_names Alt+B alt+b "$mixed_trash"
check "Alt+B: the recycle bin holds exactly those files, by their exact names" \
    same_lines "$(trashed_under "$mixed_trash")" "$(paths_marked "$mixed_trash" "$plan_mixed" T)"
mixed_names Alt+G alt+g "$mixed_burn"
check "Alt+G: nothing of them went into the recycle bin" test -z "$(trashed_under "$mixed_burn")"

# --- Cancelled before the walk, then deleted for good -------------------------------

activate "$window"
check "Alt+F and typing set the second folder; the commands become enabled" type_folder "$tree_b"
xdotool key alt+g
if wait_until 15 dialog_up; then
    xdotool key Escape
    check "Esc closes the dialog while it is still preparing" wait_until 15 dialog_gone
else
    bad "Alt+G shows the search dialog"
fi
check "the command has ended: its dialog is released" wait_until 30 dialog_released
check "Esc before the walk: nothing is deleted" all_present "$tree_b" "$plan_b"
check "Esc before the walk: nothing is in the recycle bin" test -z "$(trashed_under "$tree_b")"

activate "$window"
settle=1
check "Alt+G shows the search dialog, which then closes" run_command alt+g && settle=30
mapfile -t selected_b < <(paths_marked "$tree_b" "$plan_b" T)
check "Alt+G: the selected files are gone" wait_until "$settle" all_absent "${selected_b[@]}"
check "Alt+G: every other file is untouched" all_intact "$tree_b" "$plan_b"
check "Alt+G: nothing went into the recycle bin" test -z "$(trashed_under "$tree_b")"

# --- A long walk: the dialog at work, then cancelled --------------------------------

walking() {
    # "を検索しています" is far wider than "準備中": dark text right of where that ends.
    has_dark_text "$dialog" 148 26 48 10 "$dialog_left" "$dialog_top"
}

# Where the dialog's client area lies within its frame: sets dialog_left and dialog_top.
measure_dialog() {
    local dg
    read -ra dg <<<"$(geometry "$dialog")"
    dialog_left=$(((dg[2] - 400) / 2))
    dialog_top=$((dg[3] - 68 - dialog_left))
}

activate "$window"
check "Alt+F and typing set the large folder; the commands become enabled" type_folder "$big"
xdotool key alt+g
if wait_until 15 dialog_up; then
    measure_dialog
    if wait_until 20 walking; then
        snapshot "$dialog" "$scratch/search-dialog.png"
        if [ -n "$(visible_window "$dialog_title")" ]; then
            ok "screenshot of the search dialog during the walk"
        else
            bad "the walk lasts long enough for a screenshot"
        fi
    else
        bad "the dialog switches to searching about a second after it appears"
    fi
    xdotool key Escape
    check "Esc during the walk closes the dialog" wait_until 30 dialog_gone
else
    bad "Alt+G shows the search dialog for the large folder"
fi
check "the command has ended: its dialog is released" wait_until 30 dialog_released
check "Esc during the walk: nothing is deleted" test "$(find "$big" -type f | wc -l)" -eq "$big_count"

# --- Moved and resized by the mouse, then closed --------------------------------------

# No click on the caption first: two there would be a double click, which maximises.
read -ra before <<<"$(geometry "$window")"
bounds_now() { [ "$(geometry "$window")" = "$1" ]; }
# drag x y dx dy: a press at window coordinates, two moves, a release.
drag() {
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1 \
        mousemove_relative --sync $(($3 / 2)) $(($4 / 2)) \
        mousemove_relative --sync $(($3 - $3 / 2)) $(($4 - $4 / 2)) mouseup 1
}
drag $((before[2] / 3)) $((frame_top / 2)) 40 30
moved="$((before[0] + 40)) $((before[1] + 30)) ${before[2]} ${before[3]}"
check "the window follows a drag of its caption" wait_until 10 bounds_now "$moved"
drag $((before[2] - 2)) $((before[3] - 2)) 50 40
resized="$((before[0] + 40)) $((before[1] + 30)) $((before[2] + 50)) $((before[3] + 40))"
check "the window follows a drag of its corner" wait_until 10 bounds_now "$resized"
park_pointer
read -ra final <<<"$(geometry "$window")"

activate "$window"
check "Alt+F and typing set the third folder; the commands become enabled" type_folder "$tree_c"
park_pointer
snapshot "$window" "$scratch/resized.png"
close_app

check "extentions.lst holds the three patterns, sorted, each with CR LF" \
    cmp -s "$settings_dir/extentions.lst" <(printf '.b?k\r\n.ob*\r\n.tmp\r\n')
expected_ini() {
    printf '[Location]\r\nLeft=%s\r\nTop=%s\r\nWidth=%s\r\nHeight=%s\r\n' "${final[@]}"
    printf '[Last]\r\nFolder=%s\r\nSubFolder=1\r\n' \
        "$(wine_path "$tree_c" | iconv -f UTF-8 -t CP932)"
}
check "tavrix.ini holds the bounds, the Shift_JIS folder and the option, with CR LF" \
    cmp -s "$settings_dir/tavrix.ini" <(expected_ini)
cp "$settings_dir/tavrix.ini" "$scratch/first.ini"

# --- Second start: everything comes back ----------------------------------------------

start_app
check "the window comes back at its saved bounds" test "$(geometry "$window")" = "${final[*]}"
activate "$window"
wait_until 10 commands_enabled
snapshot "$window" "$scratch/restarted.png"
same_picture() {
    # The right-hand column and the footer, as drawn after the resize and when new.
    local size crop
    read -ra size <<<"$(client_size "$window")"
    for crop in "100x$((size[1] - 52))+$((frame_left + size[0] - 100))+$frame_top" \
        "$((size[0]))x50+$frame_left+$((frame_top + size[1] - 50))"; do
        local differ
        convert "$scratch/resized.png" -crop "$crop" +repage "$scratch/a.png"
        convert "$scratch/restarted.png" -crop "$crop" +repage "$scratch/b.png"
        differ=$(compare -metric AE -fuzz 2% "$scratch/a.png" "$scratch/b.png" null: 2>&1)
        if [ "$differ" != 0 ]; then
            echo "  $differ pixels differ in $crop"
            mkdir -p "$failure_shots"
            cp "$scratch/a.png" "$failure_shots/resized.png"
            cp "$scratch/b.png" "$failure_shots/new.png"
            return 1
        fi
    done
}
check "after a resize the window is drawn as when new (no old drawing left)" same_picture

settle=1
check "at once after start, Alt+G shows the search dialog" run_command alt+g && settle=30
mapfile -t selected_c < <(paths_marked "$tree_c" "$plan_c" T)
check "Alt+G after start deletes in the saved folder, with subfolders and patterns" \
    wait_until "$settle" all_absent "${selected_c[@]}"
check "Alt+G after start: every other file is untouched" all_intact "$tree_c" "$plan_c"
check "Alt+G after start: nothing went into the recycle bin" test -z "$(trashed_under "$tree_c")"
close_app
check "an unchanged window writes the same tavrix.ini again" \
    cmp -s "$settings_dir/tavrix.ini" "$scratch/first.ini"

# --- A close request during a long walk ------------------------------------------------

start_app
activate "$window"
check "Alt+F and typing set the large folder once more" type_folder "$big"
xdotool key alt+g
if wait_until 15 dialog_up && measure_dialog && wait_until 20 walking; then
    # What taskkill without /F, or a close from the taskbar, sends: WM_CLOSE.
    "$WINELOADER" taskkill /im tavrix.exe </dev/null >/dev/null 2>&1
    if wait_until 30 app_ended; then
        status=0
        wait "$app_pid" || status=$?
        check "a close request during the walk ends the program with exit code 0 ($status)" \
            test "$status" -eq 0
    else
        bad "a close request during the walk ends the program"
        kill "$app_pid" 2>/dev/null
    fi
    app_pid=""
    check "the close request: nothing is deleted" \
        test "$(find "$big" -type f | wc -l)" -eq "$big_count"
    check "the close request: the settings are written, with the large folder" \
        grep -a -q -F "Folder=$(wine_path "$big" | iconv -f UTF-8 -t CP932)" \
        "$settings_dir/tavrix.ini"
else
    bad "the walk of the large folder starts"
fi

summary
