# Shared by scripts/test and scripts/run: installs the Debian packages the
# build needs and configures and builds the project incrementally.

EVALON_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
EVALON_PACKAGES=(cmake g++ pkg-config libwxgtk3.2-dev libexpat1-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
    desktop-file-utils xdg-utils shared-mime-info
    libsoci-dev libboost-dev libpq-dev libsqlite3-dev sqlite3 postgresql uuid-dev libssl-dev libpixman-1-dev libcairo2-dev python3
    gettext wx3.2-i18n)
EVALON_SANITIZE_PACKAGES=(clang libclang-rt-14-dev)

evalon_missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q "install ok installed" || echo "$package"
    done
}

# evalon_ensure_packages PACKAGE...: installs what is missing (as root), or
# prints the exact command and fails.
evalon_ensure_packages() {
    local missing
    missing=$(evalon_missing_packages "$@" | tr '\n' ' ')
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y $missing" >&2
        return 1
    fi
    echo "Installing: $missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
}

# evalon_build BUILD_DIR [CMAKE_ARGS...]: configures once, then builds incrementally.
evalon_build() {
    local build_dir=$1
    shift
    cmake -S "$EVALON_ROOT" -B "$build_dir" "$@" >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}
