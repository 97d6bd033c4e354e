# Shared by the Windows scripts (check-windows, build-windows,
# package-windows): the static Qt for Windows, the one build made with it,
# and Wine. Sourced after common.sh, from the repository's top folder.

WINDOWS_OUT=build/windows
# The one build for Windows: the editor and the test programs.
WINDOWS_BUILD=$WINDOWS_OUT/qt
WINDOWS_QT_ARCHIVE=qt6.4.2-win64-mingw-static.tar.xz
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build qt6-base-dev qt6-base-dev-tools
    qt6-l10n-tools qt6-translations-l10n)
# The DLLs that every Windows has: the only ones CovBotEd.exe may import.
WINDOWS_SYSTEM_DLLS=(advapi32 authz comdlg32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 kernel32 msvcrt netapi32
    ole32 oleaut32 shcore shell32 shlwapi user32 userenv uxtheme version winmm ws2_32 wtsapi32)

# The Qt prefix to build with, or nothing (with the reason on stderr): the
# first argument, else CBT_WIN_QT, else the archive in ../shared/toolchains/
# beside the repository, checked against its .sha256 and unpacked once into
# the build tree.
find_windows_qt() {
    local named="${1:-${CBT_WIN_QT:-}}"
    if [ -n "$named" ]; then
        if [ ! -f "$named/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
            echo "$named is not a Qt for Windows prefix (no lib/cmake/Qt6/qt.toolchain.cmake)." >&2
            exit 1
        fi
        realpath "$named"
        return
    fi
    local archive=../shared/toolchains/$WINDOWS_QT_ARCHIVE
    if [ ! -f "$archive" ]; then
        echo "No Qt for Windows (set CBT_WIN_QT=<prefix> or put $WINDOWS_QT_ARCHIVE in ../shared/toolchains/)." >&2
        return
    fi
    local sum
    sum=$(cut -d' ' -f1 "$archive.sha256")
    local unpacked="$WINDOWS_OUT/toolchain"
    if [ "$(cat "$unpacked/.sha256" 2>/dev/null)" != "$sum" ]; then
        if [ "$(sha256sum "$archive" | cut -d' ' -f1)" != "$sum" ]; then
            echo "$archive does not match its .sha256." >&2
            exit 1
        fi
        rm -rf "$unpacked" "$unpacked.part"
        mkdir -p "$unpacked.part"
        tar -xJf "$archive" -C "$unpacked.part"
        echo "$sum" > "$unpacked.part/.sha256"
        mv "$unpacked.part" "$unpacked"
    fi
    dirname "$(dirname "$(dirname "$(dirname "$(realpath "$unpacked"/*/lib/cmake/Qt6/qt.toolchain.cmake)")")")"
}

# Builds the targets given in the one Windows build, configured with the Qt
# at prefix $1 for release, warnings as errors.
build_for_windows() {
    local qt=$1
    shift
    # A build made with another Qt starts afresh: CMake keeps the first toolchain.
    if [ "$(cat "$WINDOWS_BUILD/.qt-prefix" 2>/dev/null)" != "$qt" ]; then
        rm -rf "$WINDOWS_BUILD"
    fi
    # -O2 rather than CMake's -O3: GCC 12 warns falsely (-Wrestrict) inside
    # std::string at -O3, and warnings are errors here.
    cmake -S . -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DCBT_WERROR=ON >/dev/null
    echo "$qt" > "$WINDOWS_BUILD/.qt-prefix"
    cmake --build "$WINDOWS_BUILD" -j"$(nproc)" --target "$@" | { grep -vE '^(\[[0-9]+/[0-9]+\] |ninja: no work to do)' || true; }
}

# The DLLs that the program $1 imports, one a line.
windows_imports() {
    x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

# The imports of $1 that are not Windows' own (API sets, api-ms-win-*,
# are Windows' too), one a line; nothing when it needs no DLL beside it.
foreign_imports() {
    local dll name
    while read -r dll; do
        name=$(echo "${dll%.[dD][lL][lL]}" | tr '[:upper:]' '[:lower:]')
        [[ $name == api-ms-win-* ]] && continue
        [[ " ${WINDOWS_SYSTEM_DLLS[*]} " == *" $name "* ]] || echo "$dll"
    done < <(windows_imports "$1")
}

# Wine without a display, in a prefix of its own in the build tree. Wine
# maps file names through the locale: without a UTF-8 one it cannot make
# non-ASCII folders. It hands a Windows program QT_* only from WINEQT_*, so
# that a Linux desktop's Qt settings stay out. Sets $wine and $wineserver.
use_wine() {
    export WINEPREFIX="$PWD/$WINDOWS_OUT/wineprefix" WINEDEBUG=-all LC_ALL=C.UTF-8
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    if [ ! -f "$WINEPREFIX/.headless" ]; then
        # No display here: windows are made by Wine's null driver.
        "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        touch "$WINEPREFIX/.headless"
    fi
}

# The Windows name of a Linux path, on Wine's Z: drive.
windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }

# The Linux path of a folder that Wine names by an environment variable
# (APPDATA, LOCALAPPDATA, ...), under the prefix's C: drive.
wine_folder() {
    local folder
    folder=$("$wine" cmd /c "echo %$1%" </dev/null | tr -d '\r')
    echo "$WINEPREFIX/drive_c/$(echo "${folder#?:\\}" | tr '\\' /)"
}
