# Shared set-up of scripts/run and scripts/test: installs what is missing
# (Debian packages) and configures a build directory.
# Usage: source scripts/setup.sh; tamberon_setup BUILD_DIR [CMAKE ARGS...]

TAMBERON_PACKAGES="g++ cmake make qt6-base-dev qt6-translations-l10n libgl-dev fonts-liberation2"

tamberon_install_missing() {
    local missing=""
    for pkg in $TAMBERON_PACKAGES "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $pkg"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
}

tamberon_setup() {
    local build_dir="$1"; shift
    tamberon_install_missing
    local launcher=""
    command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    cmake -S "$TAMBERON_ROOT" -B "$build_dir" $launcher "$@" >/dev/null
}
