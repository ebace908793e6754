# Sourced by scripts/test, scripts/run and scripts/wine-exec: which Wine runs here, as whom, in
# which prefix, on which display.

# win32 where the kernel runs 32-bit programs; win64 where it cannot (no IA-32 emulation), in
# which case the same sources are built and tested as 64-bit Windows programs.
varrow_wine_arch() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

# varrow_build_windows ARCH [cmake --build options...]: configures build/ARCH for that
# Windows kind (the toolchain only the first time) and builds. VARROW_WERROR=ON makes warnings
# errors.
varrow_build_windows() {
    local arch=$1 toolchain=()
    shift
    if [ ! -f "build/$arch/CMakeCache.txt" ]; then
        local triple=i686
        [ "$arch" = win64 ] && triple=x86_64
        toolchain=(-DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$triple.cmake")
    fi
    cmake -S . -B "build/$arch" -G Ninja "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DVARROW_WERROR="${VARROW_WERROR:-OFF}" >/dev/null
    cmake --build "build/$arch" "$@"
}

varrow_wine_loader() {
    case "$1" in
        win32) echo /usr/lib/wine/wine ;;
        win64) echo /usr/lib/wine/wine64 ;;
    esac
}

# Root ignores read-only bits, so as root the Windows programs run as this user instead.
VARROW_TESTER=varrow-tester

varrow_tester_home() { getent passwd "$VARROW_TESTER" | cut -d: -f6; }

varrow_ensure_tester() {
    if ! getent passwd "$VARROW_TESTER" >/dev/null; then
        useradd --system --create-home --home-dir "/var/lib/$VARROW_TESTER" \
            --shell /usr/sbin/nologin "$VARROW_TESTER"
    fi
}

# Runs a command as whoever runs the Windows programs (VARROW_WINE_AS_SELF keeps root as root),
# with Wine's environment. Needs VARROW_WINE_PREFIX; passes DISPLAY and TZ through.
varrow_as_wine_user() {
    local envs=(WINEPREFIX="$VARROW_WINE_PREFIX" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
                DISPLAY="${DISPLAY:-}" TZ="${TZ:-}")
    if [ "$(id -u)" -eq 0 ] && [ -z "${VARROW_WINE_AS_SELF:-}" ]; then
        runuser -u "$VARROW_TESTER" -- env HOME="$(varrow_tester_home)" "${envs[@]}" "$@"
    else
        env "${envs[@]}" "$@"
    fi
}

# Picks the prefix: in the tester's home as root, inside the build folder otherwise.
varrow_choose_prefix() {
    local arch=$1 build=$2
    if [ "$(id -u)" -eq 0 ]; then
        varrow_ensure_tester
        VARROW_WINE_PREFIX="$(varrow_tester_home)/wineprefix-$arch"
    else
        VARROW_WINE_PREFIX="$build/wineprefix"
    fi
    export VARROW_WINE_PREFIX
}

# Makes the prefix on first use, maps the Japanese UI fonts to an installed one, and starts a
# persistent wineserver without pipes, so no later wine inherits a caller's output pipe.
varrow_start_wine() {
    local arch=$1 loader
    loader=$(varrow_wine_loader "$arch")
    if [ ! -f "$VARROW_WINE_PREFIX/system.reg" ]; then
        echo "wine: making the prefix $VARROW_WINE_PREFIX (takes a while the first time)" >&2
        varrow_as_wine_user "$loader" wineboot -i >"${TMPDIR:-/tmp}/varrow-wineboot.log" 2>&1 || true
        varrow_as_wine_user /usr/lib/wine/wineserver -w
    fi
    # Settings of our own, made again whenever this list changes.
    local settings_version=1
    if [ "$(cat "$VARROW_WINE_PREFIX/.varrow-settings" 2>/dev/null)" != "$settings_version" ]; then
        local font
        for font in "MS UI Gothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS PGothic" "MS Gothic"; do
            varrow_as_wine_user "$loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
                /v "$font" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1
        done
        # Without a window manager (Xvfb) Wine draws window frames itself only when it does not
        # hand the windows to one.
        varrow_as_wine_user "$loader" reg add 'HKCU\Software\Wine\X11 Driver' \
            /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        varrow_as_wine_user /usr/lib/wine/wineserver -w
        echo "$settings_version" | varrow_as_wine_user tee "$VARROW_WINE_PREFIX/.varrow-settings" >/dev/null
    fi
    varrow_as_wine_user /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
    # Wine's own services start with the first program; start them here, away from any pipe.
    varrow_as_wine_user "$loader" wineboot </dev/null >/dev/null 2>&1 || true
}

varrow_stop_wine() {
    varrow_as_wine_user /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display and exports DISPLAY; VARROW_XVFB_PID names it.
varrow_start_display() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
    VARROW_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    export DISPLAY=":$n"
}

varrow_stop_display() {
    if [ -n "${VARROW_XVFB_PID:-}" ]; then
        kill "$VARROW_XVFB_PID" 2>/dev/null || true
        wait "$VARROW_XVFB_PID" 2>/dev/null || true
        VARROW_XVFB_PID=
    fi
}
