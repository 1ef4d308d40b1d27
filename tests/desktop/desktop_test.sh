#!/usr/bin/env bash
# The program on a real desktop: an X server (Xvfb) with a window manager that
# draws title bars (openbox), driven only by real X input events (xdotool,
# which clicks and types through the XTEST extension).
#
#   desktop_test.sh PROGRAM CASE
#
#   frames    every window opened as a student would (topic links clicked,
#             menus walked with Alt and the arrow keys): its frame stands at
#             the window's designed Left, Top, its whole title bar on screen
#   restore   a window minimised by the window manager, or hidden behind
#             another, comes back in front and active when its link is clicked
#   keyboard  Tab reaches the topic links; Enter, Space and keypad Enter open
#             them
#   alt-f4    Alt+F4 on the main window (the window manager's close) opens the
#             exit lock instead of ending the program; the exit password typed
#             there then ends it
#   message-focus
#             after a message box the window it came from is active again and
#             what the student types lands in the message's cell: in Form2
#             (Enter in that cell then calculates) and in the exit lock's
#             password-change panel
#   menu-keys F10 lights the first menu title; the arrows and Enter then open
#             Form3 from Form2
#   solution-follows
#             closing Form5 hides its open solution window, showing Form5 again
#             brings it back
#   screen-reader
#             with the accessibility bus on (a session bus of its own, Qt's
#             AT-SPI bridge, tests/desktop/atspi_read.py as the screen reader),
#             Form2 locked after its password was shown, and again after it
#             was shown and hidden: the reader reads the locked answers'
#             notice, and nowhere the password
#
# To add a case: a line above, a branch of the `case` at the end (the program
# is running, its main window in $main_window) and its name in the list in
# tests/CMakeLists.txt.
#
# Exits 77, which ctest counts as skipped, where a tool is missing. Every wait
# is bounded, and the X server, the window manager and the program are ended
# on any way out.
set -u

program=${1:?program}
what=${2:?case}

for tool in Xvfb openbox xdotool xwininfo xprop timeout import identify; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tavek-desktop.XXXXXX")
xvfb='' wm='' app='' bus=''

stop() { # PID: asked to end, then killed after two seconds
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}
cleanup() {
    stop "$app"
    stop "$bus"
    stop "$wm"
    stop "$xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP

fail() {
    echo "FAIL: $*"
    if [ -s "$work/app.log" ]; then sed 's/^/  program: /' "$work/app.log"; fi
    exit 1
}

# Every X client call is bounded: a stuck server must not hang the test.
x() { timeout 10 "$@"; }

# until COMMAND succeeds, polled every tenth of a second for SECONDS
within() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# --- the desktop ------------------------------------------------------------

screen_w=1024 screen_h=768
mkdir -p "$work/home" && mkdir -m 700 "$work/runtime"
wm_ready() { x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
desktop() { # an X server and, on it, the window manager
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    within 15 grep -qs '^[0-9]' "$work/display" || return 1
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY
    # The window manager with its packaged settings (Alt+F4 closes, the
    # Clearlooks title bar), whatever the user running the test has configured.
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
        openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm=$!
    within 15 wm_ready
}
# Other X servers start and stop beside this one on a shared machine: a
# server that loses its display on the way gets a second and a third try.
for attempt in 1 2 3; do
    desktop && break
    stop "$wm" && stop "$xvfb" && wm='' xvfb=''
    [ "$attempt" -lt 3 ] || fail "no desktop: Xvfb: $(cat "$work/xvfb.log"); openbox: $(cat "$work/wm.log" 2>/dev/null)"
done

# No session bus: the program must neither wait for one nor start one.
HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 \
    DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus \
    "$program" >"$work/app.log" 2>&1 &
app=$!

# --- looking at windows -----------------------------------------------------

# The viewable window whose title matches PATTERN (an extended regex).
window() { x xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
found=''
wait_window() { # PATTERN: its id in $found once it is on screen
    for _ in $(seq 100); do
        kill -0 "$app" 2>/dev/null || fail "the program ended while waiting for \"$1\""
        found=$(window "$1")
        [ -z "$found" ] || return 0
        sleep 0.1
    done
    fail "no window \"$1\" on screen"
}
# "X Y WIDTH HEIGHT" of a window's client area on the screen
client() {
    x xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                               /^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print x, y, w, h}'
}
# "LEFT RIGHT TOP BOTTOM": the frame the window manager draws around it
extents() { x xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^[^=]*= *//p' | tr -d ','; }
# IsViewable, IsUnMapped, or nothing once the window is gone: closing a Qt
# window ends its X window, and showing it again makes a new one.
map_state() { x xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ {print $3}'; }
wm_state() { x xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }
active() { x xdotool getactivewindow 2>/dev/null; }
topmost() { x xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}' | xargs printf '%d\n' 2>/dev/null; }
is() { [ "$("$1" "$2")" = "$3" ]; } # is FUNCTION ARG VALUE, asked anew at each call
is_active() { [ "$(active)" = "$1" ]; }
is_topmost() { [ "$(topmost)" = "$1" ]; }

# --- acting as the student --------------------------------------------------

wait_window '^TAVEK 1 - Programa de F' && main_window=$found
read -r main_x main_y _ main_h < <(client "$main_window")
menu_h=$((main_h - 463)) # the client area below the menu bar is 463 high

# (no --sync: it waits for the pointer to move, forever when it is already there)
click_at() { x xdotool mousemove "$1" "$2" click 1 || fail "cannot click at $1,$2"; }
# The main window's topic links, by their place in its client area.
click_link() {
    case $1 in
    Label3) click_at $((main_x + 56 + 20)) $((main_y + menu_h + 144 + 8)) ;;
    Label5) click_at $((main_x + 56 + 20)) $((main_y + menu_h + 192 + 8)) ;;
    Label6) click_at $((main_x + 56 + 20)) $((main_y + menu_h + 240 + 8)) ;;
    Label7) click_at $((main_x + 56 + 20)) $((main_y + menu_h + 288 + 8)) ;;
    esac
}
focus() { # ID: made the active window, as a click on its title bar would
    x xdotool windowactivate --sync "$1" >/dev/null 2>&1
    within 10 is_active "$1" || fail "window $1 does not become active"
}
keys() { x xdotool key --delay 80 "$@" || fail "cannot type $*"; }
typed() { x xdotool type --delay 80 "$1" || fail "cannot type $1"; }
# A control by its designed place in a window's client area (below the menu
# bar): "X Y" of its middle on the screen. DESIGNED is the client height
# without the menu bar.
control_at() { # ID DESIGNED LEFT TOP WIDTH HEIGHT
    local cx cy cw ch
    read -r cx cy cw ch < <(client "$1")
    echo $((cx + $3 + $5 / 2)) $((cy + ch - $2 + $4 + $6 / 2))
}
click_control() { # ID DESIGNED LEFT TOP WIDTH HEIGHT [BUTTON]
    local at
    at=$(control_at "$1" "$2" "$3" "$4" "$5" "$6")
    x xdotool mousemove ${at% *} ${at#* } click "${7:-1}" || fail "cannot click at $at"
}
# How much dark there is in a control's inside (its frame left out): the sum
# over its pixels of how far each is from white, a blank pixel counting 0 and
# a black one 1. A blinking text cursor alone makes about 13.
ink_at() { # X Y WIDTH HEIGHT on the screen
    x import -window root -crop "${3}x${4}+${1}+${2}" +repage "$work/ink.png" || fail "cannot take a picture of the screen"
    identify -format '%[fx:round(w*h*(1-mean))]' "$work/ink.png"
}
ink() { # ID DESIGNED LEFT TOP WIDTH HEIGHT
    local cx cy cw ch
    read -r cx cy cw ch < <(client "$1")
    ink_at $((cx + $3 + 2)) $((cy + ch - $2 + $4 + 2)) $(($5 - 4)) $(($6 - 4))
}
# A message box (captioned with the program's title alone) on the screen,
# dismissed with Enter as a student would.
box() { [ -n "$(window '^TAVEK 1$')" ]; }
# The program ends by itself, with status 0.
ends_well() { # WHAT: what was to end it
    ended() { ! kill -0 "$app" 2>/dev/null; }
    within 60 ended || fail "$1 did not end the program"
    local status=0
    wait "$app" || status=$?
    app=''
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
dismiss_box() { # WHY: waits for the box, presses Enter, waits until it is gone
    within 15 box || fail "no message box $1"
    keys Return
    within 10 eval '! box' || fail "the message box $1 stays on screen"
}

# A window's frame at its designed place: LEFT, TOP of the outer frame, the
# client WIDTH as designed, the title bar whole on the screen.
check_frame() { # ID NAME LEFT TOP WIDTH FRAMED
    local id=$1 name=$2 left=$3 top=$4 width=$5 framed=$6
    local cx cy cw ch el er et eb fx fy
    placed() {
        read -r cx cy cw ch < <(client "$id")
        read -r el er et eb < <(extents "$id")
        [ -n "${eb:-}" ] || return 1
        fx=$((cx - el)) fy=$((cy - et))
        [ "$fx" = "$left" ] && [ "$fy" = "$top" ]
    }
    within 10 placed || fail "$name: frame at ${fx:-?},${fy:-?} instead of $left,$top" \
        "(client at ${cx:-?},${cy:-?}; frame extents left ${el:-?} right ${er:-?} top ${et:-?} bottom ${eb:-?})"
    [ "$cw" = "$width" ] || fail "$name: client $cw wide instead of $width"
    if [ "$framed" = yes ]; then
        [ "$et" -gt 0 ] || fail "$name: no title bar"
    else
        [ "$el$er$et$eb" = 0000 ] || fail "$name: framed ($el $er $et $eb), designed without a border"
    fi
    [ "$fy" -ge 0 ] && [ "$fx" -ge 0 ] && [ $((fx + el + cw + er)) -le "$screen_w" ] ||
        fail "$name: title bar not wholly on screen (frame at $fx,$fy)"
    echo "ok: $name frame at $fx,$fy, title bar $et px, client at $cx,$cy"
}

# The program again, on a session bus of its own from which the
# accessibility bus is started (at-spi-bus-launcher, by D-Bus activation)
# when the program asks for it; `heard` writes everything a screen reader
# reads of it to $work/heard, `says TEXT` asks whether that holds TEXT.
with_screen_reader() {
    reader=$(dirname "$0")/atspi_read.py
    for tool in dbus-daemon /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed (dbus, at-spi2-core)"; exit 77; }
    done
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        { echo "SKIP: no AT-SPI client library (gir1.2-atspi-2.0, python3-gi)"; exit 77; }
    stop "$app"
    app=''
    dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/bus.log" 2>&1 &
    bus=$!
    within 10 grep -qs . "$work/bus" || fail "no session bus: $(cat "$work/bus.log")"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
    HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        "$program" >"$work/app.log" 2>&1 &
    app=$!
    wait_window '^TAVEK 1 - Programa de F' && main_window=$found
    read -r main_x main_y _ main_h < <(client "$main_window")
    menu_h=$((main_h - 463))
    within 30 heard || fail "the screen reader finds no program on the accessibility bus: $(cat "$work/heard")"
}
heard() {
    HOME=$work/home XDG_RUNTIME_DIR=$work/runtime timeout 60 /usr/bin/python3 "$reader" "$(basename "$program")" \
        >"$work/heard" 2>&1
}
says() { heard && grep -q -- "$1" "$work/heard"; }

case $what in
frames)
    check_frame "$main_window" Form1 61 22 694 no
    # Each window covers the main window's links: once checked it is closed
    # again from its menu ("Fechar Janela", the first item).
    closed() { [ "$(map_state "$1")" != IsViewable ]; }
    close_window() { focus "$1" && keys alt Return && within 10 closed "$1" || fail "$2 not closed"; }
    click_link Label3
    wait_window '^TAVEK 1 - Movimento Retil'
    check_frame "$found" Form2 19 9 753 yes
    close_window "$found" Form2
    focus "$main_window"
    keys alt Right Return # "Conversôes de Unidades"
    wait_window '^TAVEK 1 - Convers'
    check_frame "$found" Form3 26 40 750 yes
    close_window "$found" Form3
    click_link Label5
    wait_window '^TAVEK 1 - Lan' && form4=$found
    check_frame "$form4" Form4 13 14 734 yes
    focus "$form4"
    keys alt Right Right Return # "Mais exercícios de lançamentos"
    wait_window '^TAVEK 1 -Mais Exerc.*cios de Lan'
    check_frame "$found" Form5 38 22 728 yes
    close_window "$found" Form5
    close_window "$form4" Form4
    click_link Label6
    wait_window '^TAVEK 1 - For' && previous=$found
    check_frame "$previous" Form6 17 7 750 yes
    for n in 1 2 3; do # "Mais exercícios de Força e Movimento - N", one after the other
        focus "$previous"
        keys alt Right Right Return
        wait_window "^TAVEK 1 - Mais Exercicios de For.*a e Movimento - $n\$" && next=$found
        case $n in
        1) check_frame "$next" Form7 24 12 751 yes ;;
        2) check_frame "$next" Form8 15 10 755 yes ;;
        3) check_frame "$next" Form9 7 3 780 yes ;;
        esac
        close_window "$previous" "the window before Form$((n + 6))"
        previous=$next
    done
    close_window "$previous" Form9
    click_link Label7
    wait_window '^TAVEK 1 - Pot' && form10=$found
    check_frame "$form10" Form10 12 8 778 yes
    focus "$form10"
    keys alt Right Right Return # "Mais exercícios de Potência"
    wait_window '^TAVEK 1- Mais exerc.*cios de Pot'
    check_frame "$found" Form11 61 17 705 yes
    ;;
restore)
    click_link Label3
    wait_window '^TAVEK 1 - Movimento Retil' && form2=$found
    within 10 is_active "$form2" || fail "Form2 not active when shown"
    x xdotool windowminimize --sync "$form2" || fail "the window manager did not minimise Form2"
    within 10 is wm_state "$form2" Iconic || fail "Form2 not iconic after minimising"
    is map_state "$main_window" IsViewable || fail "minimising Form2 took the main window along"
    click_link Label3
    within 10 is map_state "$form2" IsViewable || fail "the link left Form2 minimised"
    is wm_state "$form2" Normal || fail "Form2 is $(wm_state "$form2") after its link"
    within 10 is_active "$form2" || fail "Form2 restored but not active"
    within 10 is_topmost "$form2" || fail "Form2 restored but not in front"
    echo "ok: minimised Form2 restored, in front and active after its link"
    # Behind another window: the student has moved both aside, partly
    # overlapping, to reach the links; the link brings Form2 in front again.
    x xdotool windowmove --sync "$form2" 300 120 || fail "cannot move Form2"
    click_link Label5
    wait_window '^TAVEK 1 - Lan' && form4=$found
    within 10 is_topmost "$form4" || fail "Form4 not in front when shown"
    x xdotool windowmove --sync "$form4" 340 60 || fail "cannot move Form4"
    click_link Label3
    within 10 is_topmost "$form2" || fail "Form2 stays behind Form4 after its link"
    within 10 is_active "$form2" || fail "Form2 in front but not active"
    echo "ok: covered Form2 in front and active after its link"
    ;;
keyboard)
    focus "$main_window"
    keys Tab Return
    wait_window '^TAVEK 1 - Movimento Retil' && form2=$found
    echo "ok: Tab, Enter opened Form2"
    focus "$main_window"
    keys Tab space
    wait_window '^TAVEK 1 - Lan'
    echo "ok: Tab, Space opened Form4"
    focus "$main_window"
    keys Tab KP_Enter
    wait_window '^TAVEK 1 - For'
    echo "ok: Tab, keypad Enter opened Form6"
    focus "$main_window"
    keys Tab Return
    wait_window '^TAVEK 1 - Pot'
    echo "ok: Tab, Enter opened Form10"
    focus "$main_window"
    keys shift+Tab shift+Tab shift+Tab Return
    within 10 is_topmost "$form2" || fail "Shift+Tab back to the first link did not bring Form2 forward"
    echo "ok: Shift+Tab back to \"Movimento Retilíneo\", Enter brought Form2 forward"
    ;;
alt-f4)
    farewell() {
        is map_state "$main_window" IsViewable || fail "the main window left the screen before the farewell box"
        [ -n "$(window '^TAVEK 1$')" ]
    }
    # On a loaded machine the program may take longer than the pauses here to
    # open the lock; the keys would then go astray. Alt+F4 again only opens the
    # lock anew (its password cell emptied), so a second or third try is fair.
    opened=''
    for attempt in 1 2 3; do
        focus "$main_window"
        keys alt+F4
        sleep 3 # time enough for a program being closed to take its window away
        is map_state "$main_window" IsViewable || fail "Alt+F4 took the main window off the screen"
        echo "ok: Alt+F4 left the main window on screen (try $attempt)"
        # The focus is in the lock's password cell: the default exit password,
        # then "Confirma Senha". Only an open lock shows the farewell box.
        focus "$main_window"
        keys z o r p Tab space
        if within 15 farewell; then opened=1; break; fi
    done
    [ -n "$opened" ] || fail "no farewell box: Alt+F4 did not open the exit lock, or the password did not reach it"
    keys Return
    ends_well "the exit password typed after Alt+F4"
    echo "ok: the exit lock opened by Alt+F4 ended the program with its password"
    exit 0
    ;;
session)
    # The end of a desktop session, with our own session manager (the third
    # argument) speaking XSMP to the program, started anew under it. A session
    # save, and a log-out the user cancels, end nothing: Alt+F4 afterwards
    # still opens the exit lock. Only the session's end (a log-out's save,
    # then Die) ends the program, and without a box.
    manager=${3:-}
    [ -x "$manager" ] || { echo "SKIP: no session manager to run"; exit 77; }
    stop "$app"
    app=''
    mkfifo "$work/sm.in" || fail "cannot make the session manager's command pipe"
    "$manager" <"$work/sm.in" >"$work/sm.log" 2>&1 &
    exec 4>"$work/sm.in" # the manager ends when this script lets go of it
    tell() { echo "$1" >&4; }
    said() { [ "$(grep -c "^$1\$" "$work/sm.log")" -ge "$2" ]; } # said LINE TIMES
    within 10 grep -q '^address ' "$work/sm.log" || fail "no session manager: $(cat "$work/sm.log")"
    HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 \
        DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus SESSION_MANAGER=$(sed -n 's/^address //p' "$work/sm.log") \
        "$program" >"$work/app.log" 2>&1 &
    app=$!
    wait_window '^TAVEK 1 - Programa de F' && main_window=$found
    within 20 said save-done 1 || fail "the program did not join the session: $(cat "$work/sm.log")"
    box() { [ -n "$(window '^TAVEK 1$')" ]; }
    no_box() { ! box; }
    # Alt+F4, then a wrong password typed where the lock's cell would have the
    # focus, and "Confirma Senha": only an open lock answers with a box.
    # (Keys lost on a loaded machine only ask for another try.)
    lock_opens() { # WHAT came before
        for attempt in 1 2 3; do
            focus "$main_window"
            keys alt+F4
            sleep 2
            kill -0 "$app" 2>/dev/null || fail "Alt+F4 after $1 ended the program"
            is map_state "$main_window" IsViewable || fail "Alt+F4 after $1 took the main window off the screen"
            focus "$main_window"
            keys a l u n o Tab space
            if within 10 box; then
                keys Return
                within 10 no_box || fail "the box of the wrong password stays on screen"
                echo "ok: after $1, Alt+F4 opened the exit lock (try $attempt)"
                return 0
            fi
        done
        fail "after $1, Alt+F4 did not open the exit lock"
    }
    tell save
    within 20 said save-done 2 || fail "the program did not answer the session save"
    lock_opens "a session save"
    tell logout
    within 20 said save-done 3 || fail "the program did not answer the log-out"
    tell cancel
    sleep 1
    lock_opens "a cancelled log-out"
    tell logout
    within 20 said save-done 4 || fail "the program did not answer the second log-out"
    tell die
    ended() { ! kill -0 "$app" 2>/dev/null; }
    within 30 ended || fail "the end of the session did not end the program"
    wait "$app"
    status=$?
    app=''
    [ "$status" -eq 0 ] || fail "the program ended with status $status at the end of the session"
    [ -z "$(window '^TAVEK 1$')" ] || fail "a box was left on screen at the end of the session"
    echo "ok: the end of the session ended the program, without asking"
    exit 0
    ;;
message-focus)
    # Form2's first exercise: Xo, X, to, t and "Calcular", as its form places them.
    edit2=(488 160 176 81 21)
    click_link Label3
    wait_window '^TAVEK 1 - Movimento Retil' && form2=$found
    within 10 is_active "$form2" || fail "Form2 not active when shown"
    for cell in "48 176" "160 176" "48 208" "160 208"; do # Xo 1, X cem, to 0, t 2
        click_control "$form2" 488 $cell 81 21
        case $cell in "48 176") typed 1 ;; "160 176") typed cem ;; "48 208") typed 0 ;; *) typed 2 ;; esac
    done
    click_control "$form2" 488 32 240 105 17 # "Calcular"
    dismiss_box "for the X that is not a number"
    within 10 is_active "$form2" || fail "Form2 not active again after the message (active: $(active))"
    before=$(ink "$form2" "${edit2[@]}")
    typed 777777
    within 10 eval '[ $(($(ink "$form2" "${edit2[@]}") - before)) -ge 35 ]' ||
        fail "what was typed after the message is not in X (Edit2), the message's cell (ink $before, now $(ink "$form2" "${edit2[@]}"))"
    echo "ok: Form2 active again after its message, the typed text in the message's cell"
    keys Return # in X: presses "Calcular", which finds "cem777777" no number either
    within 15 box || fail "Enter in X did not calculate"
    dismiss_box "of the second press"
    echo "ok: Enter in a cell of Form2's first exercise pressed its \"Calcular\""
    keys F10 Return # "Fechar Janela": Form2 stands over the main window's "Mecânica"
    within 10 eval '[ "$(map_state "$form2")" != IsViewable ]' || fail "F10, Enter did not close Form2"

    # The exit lock: the current password, then "Confirmar Alteração" with the
    # new one empty. Its message's cell is the password entry; the password
    # typed there after it is the one "Fechar TAVEK" then asks for.
    click_control "$main_window" 463 72 112 68 16 3 # right press on "Mecânica"
    click_control "$main_window" 463 $((544 + 8)) $((136 + 8)) 137 17 # RadioButton1
    click_control "$main_window" 463 $((544 + 8)) $((136 + 40)) 121 21 # the entry, "Senha atual:"
    typed zorp
    keys Return # in the entry: "Confirmar Alteração", which now asks for the new one
    click_control "$main_window" 463 $((544 + 8)) $((136 + 64)) 121 17 # "Confirmar Alteração", nothing typed
    dismiss_box "for the empty new password"
    within 10 is_active "$main_window" || fail "the main window not active again after its message"
    typed novo
    keys Return # in the entry: "Confirmar Alteração"
    keys F10 Return # "Fechar TAVEK"
    typed novo
    keys KP_Enter # "Confirma Senha"
    within 15 box || fail "no farewell: the new password did not reach the password-change entry"
    keys Return
    ends_well "the farewell"
    echo "ok: the exit lock's entry got the password typed after its message, which then ended the program"
    exit 0
    ;;
menu-keys)
    click_link Label3
    wait_window '^TAVEK 1 - Movimento Retil' && form2=$found
    focus "$form2"
    read -r cx cy _ ch < <(client "$form2")
    first_title=($((cx + 4)) $((cy + 2)) 60 $((ch - 488 - 4))) # "Fechar Janela", on the menu bar
    before=$(ink_at "${first_title[@]}")
    lit() { [ $(($(ink_at "${first_title[@]}") - before)) -ge 100 ]; } # the highlight makes about 190
    keys Alt_L # pressed and released alone
    within 10 lit || fail "Alt did not light the first menu title of Form2"
    echo "ok: Alt lit \"Fechar Janela\""
    keys Escape
    within 10 eval '! lit' || fail "Escape did not leave the menu bar"
    keys F10
    within 10 lit || fail "F10 did not light the first menu title of Form2"
    echo "ok: F10 lit \"Fechar Janela\""
    keys Right Right Right Return # "Conversões de Unidades"
    wait_window '^TAVEK 1 - Convers'
    echo "ok: F10, arrows and Enter opened Form3 from Form2"
    ;;
solution-follows)
    click_link Label5
    wait_window '^TAVEK 1 - Lan' && form4=$found
    focus "$form4"
    keys F10 Right Right Return # "Mais exercícios de lançamentos"
    wait_window '^TAVEK 1 -Mais Exerc.*cios de Lan' && form5=$found
    focus "$form5"
    keys F10 Left Left Return Return # "Resolução", its first item: "Exercício 3"
    wait_window '^Resolução - Exercício 3 - ' && solution=$found
    echo "ok: Form5's solution window \"$(x xdotool getwindowname "$solution")\" open"
    focus "$form5"
    keys F10 Left Return Return # "Treino", its first item: "Exercício 3"
    wait_window '^Treino - Exercício 3 - ' && practice=$found
    echo "ok: Form5's practice window \"$(x xdotool getwindowname "$practice")\" open"
    focus "$form5"
    keys alt+F4
    shown() { [ "$(map_state "$1")" = IsViewable ]; }
    within 10 eval '! shown "$form5"' || fail "Alt+F4 did not close Form5"
    within 10 eval '[ -z "$(window "^Resolução - ")" ]' || fail "Form5's solution window stays after Form5 closed"
    within 10 eval '[ -z "$(window "^Treino - ")" ]' || fail "Form5's practice window stays after Form5 closed"
    echo "ok: closing Form5 hid its solution and practice windows"
    focus "$form4"
    keys F10 Right Right Return
    wait_window '^TAVEK 1 -Mais Exerc.*cios de Lan' && form5=$found
    wait_window '^Resolução - Exercício 3 - '
    wait_window '^Treino - Exercício 3 - '
    echo "ok: showing Form5 again brought its solution and practice windows back"
    within 10 is_active "$form5" || fail "Form5 shown again but not active"
    ;;
screen-reader)
    with_screen_reader
    grep -q 'Movimento Retil' "$work/heard" || fail "the reader does not read the main window's links"
    echo "ok: the screen reader reads the program ($(wc -l <"$work/heard") objects)"

    password=Qxjwvk
    click_link Label3
    wait_window '^TAVEK 1 - Movimento Retil' && form2=$found
    reveal=(488 8 120 12 13) # Label3 "1)", as Form2's form places it
    teacher() { # ITEM: 1 "Desabilotar cédulas", 2 "Reabilitar cédulas", from "Opções para Professores"
        focus "$form2"
        if [ "$1" = 1 ]; then keys F10 Right Return Return; else keys F10 Right Return Down Return; fi
    }
    teacher 1
    typed "$password"
    keys Return # "Crie senha"; the focus goes to Edit15
    click_control "$form2" "${reveal[@]}" 3
    within 30 says "Senha : $password" || fail "the reveal did not show the password (or the reader does not read it)"
    echo "ok: the password shown, and read, while the answers are readable"
    focus "$form2"
    typed "$password"
    keys Return # "Redigite Senha": locked
    within 30 says 'Resposta oculta pelo professor' || fail "the answers were not locked"
    ! grep -n -- "$password" "$work/heard" || fail "locked, the screen reader reads the password"
    echo "ok: locked after the password was shown: the reader reads the notice, not the password"

    teacher 2
    typed "$password"
    keys Return # "Redigite Senha": open again
    within 30 eval '! says "Resposta oculta pelo professor"' || fail "the answers were not unlocked"
    click_control "$form2" "${reveal[@]}" 3
    within 30 says "Senha : $password" || fail "the reveal did not show the password again"
    click_control "$form2" "${reveal[@]}" 1
    within 30 eval '! says "$password"' || fail "hidden again, the password label still reads $(grep -- "$password" "$work/heard")"
    echo "ok: shown and hidden again, nothing reads the password"
    ;;
practice)
    # A student's tries with real keys, the verdicts read as a screen reader reads them.
    with_screen_reader
    click_link Label5
    wait_window '^TAVEK 1 - Lan' && form4=$found
    focus "$form4"
    keys F10 Left Return Return # "Treino", its first item: "Exercício 1"
    wait_window '^Treino - Exercício 1 - ' && practice=$found
    within 10 is_active "$practice" || fail "the practice window is not active"
    within 30 says '| Enunciado |' || fail "the reader does not read the statement"
    # The missile's fall and flight, worked out from the statement as a student would.
    read -r t d < <(grep -m1 -- '| Enunciado |' "$work/heard" | sed 's/\xc2\xa0/ /g' | /usr/bin/python3 -c '
import math, re, sys
line = sys.stdin.read().replace(",", ".")
h = float(re.search(r"Yo = ([0-9.]+) m", line).group(1))
v = float(re.search(r"Vo = ([0-9.]+) m/s", line).group(1))
t = math.sqrt(h / (9.8 / 2))
print(f"{t:.4f}".replace(".", ","), f"{v * t:.4f}".replace(".", ","))')
    [ -n "$d" ] || fail "no numbers in the statement: $(grep -- '| Enunciado |' "$work/heard")"
    # The time right, the distance in centimetres: told so.
    typed "$t"
    keys Tab
    typed "${d%,*}00"
    keys Return
    within 30 says '✗ Confira a unidade: parece estar em cm' || fail "no word of the unit: $(grep Veredito "$work/heard")"
    says '| Veredito: Tempo até o alvo (t) | ✓ Correto' || fail "the time was not right: $(grep Veredito "$work/heard")"
    echo "ok: the time right, the distance in centimetres told so"
    # The focus is on the distance, the first answer not right: right this time, with its unit.
    keys ctrl+a
    typed "$d m"
    keys Return
    within 30 says '| Veredito: Distância horizontal percorrida (d) | ✓ Correto' ||
        fail "the distance was not right: $(grep Veredito "$work/heard")"
    says 'Nesta sessão: 1 certo de 1 exercício' || fail "not counted: $(grep 'Nesta' "$work/heard")"
    echo "ok: right at the second try, counted"
    ;;
*)
    fail "unknown case $what"
    ;;
esac
kill -0 "$app" 2>/dev/null || fail "the program ended"
