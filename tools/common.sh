# Shared by run.sh and test.sh: install what is missing, then configure and
# build one build folder.

kelvane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

kelvane_install_packages() {
    local wanted missing=() pkg
    wanted=$(grep -v '^[[:space:]]*#' "$kelvane_root/deps/debian-packages.txt" | tr -s '[:space:]' ' ')
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

# kelvane_build BUILD_DIR [extra cmake arguments...]
kelvane_build() {
    local dir=$1
    shift
    local launcher=()
    # A compiler cache makes rebuilds of unchanged files nearly free; it is
    # used when it is there and never needed.
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$kelvane_root" CCACHE_NOHASHDIR=1
    cmake -S "$kelvane_root" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null || return 1
    cmake --build "$dir" -j "$(nproc)" || return 1
}
