# Shared by the scripts: install what is missing, configure and build.

# Installs the Debian packages given that are not installed yet, saying
# which, as root or through sudo.
ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "Not a Debian or Ubuntu system: please install CMake, a C++20 compiler and Qt 6 (base, with its development files) yourself."
        return 0
    fi
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    # A package this release does not have (clang's runtime is packaged
    # apart only on newer releases) is left out rather than failing.
    local available=()
    for p in "${missing[@]}"; do
        if apt-cache show "$p" >/dev/null 2>&1; then available+=("$p"); else echo "No package $p here; going on without it."; fi
    done
    [ ${#available[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${available[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${available[@]}"
}

# qt6-l10n-tools: lupdate and lrelease, which build the translations;
# qt6-translations-l10n: Qt's own, compiled into the program beside them.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev)
# The fonts that test_readable measures both windows at.
TEST_FONT_PACKAGES=(fonts-dejavu-core fonts-noto-core fonts-liberation)
