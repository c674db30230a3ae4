# Shared by run.sh and test.sh: packages, build, a quiet Wine prefix and an X display.
# shellcheck shell=bash

QUILLET_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

quillet_need_packages() {
    local missing=""
    command -v cmake >/dev/null || missing="$missing cmake"
    command -v make >/dev/null || missing="$missing make"
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing="$missing g++-mingw-w64-x86-64-posix"
    command -v x86_64-w64-mingw32-g++-win32 >/dev/null || missing="$missing g++-mingw-w64-x86-64-win32"
    command -v wine >/dev/null || missing="$missing wine64"
    command -v Xvfb >/dev/null || missing="$missing xvfb"
    command -v xdpyinfo >/dev/null || missing="$missing x11-utils"
    command -v flock >/dev/null || missing="$missing util-linux"
    command -v xdotool >/dev/null || missing="$missing xdotool"
    command -v xclip >/dev/null || missing="$missing xclip"
    command -v python3 >/dev/null || missing="$missing python3"
    command -v git >/dev/null || missing="$missing git"
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing="$missing googletest"
    command -v clang++ >/dev/null || missing="$missing clang"
    [ -f /usr/share/i18n/locales/de_DE ] || missing="$missing locales"
    ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || missing="$missing libclang-rt-dev"
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing:$missing"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
    else
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install -y$missing"
        exit 2
    fi
}

# quillet_build BUILD_DIR [TESTS=ON|OFF]
quillet_build() {
    local build="$1" tests="${2:-ON}"
    cmake -S "$QUILLET_ROOT" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$QUILLET_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DQUILLET_TESTS="$tests" >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; return 1; }
    cmake --build "$build" -j"$(nproc)"
}

quillet_wine_env() {
    export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# A quiet prefix of our own: no Mono/Gecko prompt, no crash dialog, no links
# into $HOME, one shared virtual desktop named "shell" with a tray.
quillet_prefix() {
    local prefix="$1"
    quillet_wine_env "$prefix"
    if [ -f "$prefix/.quillet-ready" ]; then return 0; fi
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wine wineboot -i </dev/null >/dev/null 2>&1
    echo disable >"$prefix/.update-timestamp"
    local user_dir
    for user_dir in "$prefix"/drive_c/users/*/; do
        local d
        for d in Desktop Documents Downloads Music Pictures Videos Templates; do
            if [ -L "$user_dir$d" ]; then rm -f "$user_dir$d"; mkdir -p "$user_dir$d"; fi
        done
    done
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x800 /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.quillet-ready"
}

QUILLET_XVFB_PID=""
# Xvfb picks a free display itself and names it once it listens: a display
# chosen here by its free lock file could be taken by another run starting at
# the same moment, whose server would then answer for both.
quillet_start_xvfb() {
    local named n="" tries
    named="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$named" >/dev/null 2>&1 &
    QUILLET_XVFB_PID=$!
    for tries in $(seq 1 100); do
        # A whole line: the number is written once the server listens.
        read -r n <"$named" && break
        n=""
        kill -0 "$QUILLET_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$named"
    if [ -z "$n" ]; then
        echo "Could not start Xvfb" >&2
        return 1
    fi
    export DISPLAY=":$n"
}

# Stops the prefix's server and our Xvfb however the calling script ends.
quillet_stop_on_exit() {
    trap quillet_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

quillet_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; fi
    if [ -n "$QUILLET_XVFB_PID" ]; then kill "$QUILLET_XVFB_PID" 2>/dev/null; wait "$QUILLET_XVFB_PID" 2>/dev/null; fi
    QUILLET_XVFB_PID=""
}

# A copy of the ready prefix whose virtual desktop is 1280x600, for the
# small-screen test; it runs with a server of its own (tests/run_in_prefix.sh).
quillet_small_prefix() {
    local build="$1" small="$1/wineprefix-small"
    [ -f "$small/.quillet-ready" ] && return 0
    rm -rf "$small"
    cp -a "$build/wineprefix" "$small"
    rm -f "$small/.quillet-ready"
    WINEPREFIX="$small" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x600 /f >/dev/null 2>&1
    WINEPREFIX="$small" wineserver -w
    touch "$small/.quillet-ready"
}

# One run at a time per build: a second run would share the build's prefix,
# one Windows session, where the program's single-instance check makes the
# second of two Quillets end at once. The lock lives as long as the calling
# script and the Wine processes it starts.
quillet_lock_build() {
    exec {QUILLET_LOCK_FD}>"$1/.rig.lock"
    if ! flock -n "$QUILLET_LOCK_FD"; then
        echo "Waiting for the other run in $1 to end (a run that was killed leaves its" \
            "Wine server holding it: WINEPREFIX=$1/wineprefix wineserver -k)..." >&2
        flock "$QUILLET_LOCK_FD"
    fi
}

# Locales of the build's own (no root, nothing system-wide): a German user on
# an English system (Wine takes the system's locale from LC_CTYPE and the
# user's from LC_MESSAGES, each only if it exists), and one for each code page
# the note store's properties run under.
quillet_locales() {
    local dir="$1/locales" name
    mkdir -p "$dir"
    for name in en_US de_DE ja_JP hi_IN zh_CN ko_KR zh_TW ru_RU; do
        [ -f "$dir/$name.UTF-8/LC_CTYPE" ] && continue
        localedef -i "$name" -f UTF-8 "$dir/$name.UTF-8" >/dev/null 2>&1 ||
            [ -f "$dir/$name.UTF-8/LC_CTYPE" ] || { echo "Could not make the $name.UTF-8 locale" >&2; return 1; }
    done
}

# Builds into BUILD, then starts a private Xvfb and BUILD's Wine prefix with a
# warm server; both are stopped when the calling script exits.
quillet_rig() {
    local build="$1"
    mkdir -p "$build"
    quillet_lock_build "$build"
    quillet_build "$build" ON
    quillet_locales "$build"
    quillet_stop_on_exit
    quillet_start_xvfb
    quillet_prefix "$build/wineprefix"
    quillet_small_prefix "$build"
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
}
