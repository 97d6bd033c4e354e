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
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake make g++ qt6-base-dev libgl-dev)
