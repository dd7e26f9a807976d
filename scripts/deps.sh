# Sourced by run.sh and test.sh: installs the Debian packages that are
# missing, with sudo when not root. Takes the package names as arguments.
install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The Linux program.
build_packages=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libfast-float-dev fonts-liberation2)
# The Windows program, its zip and its installer.
windows_packages=(cmake make g++-mingw-w64-x86-64-posix googletest libfast-float-dev nsis wixl
    osslsigncode openssl unzip imagemagick)
# The web page, and trying it in a browser.
web_packages=(cmake make clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
    libclang-rt-14-dev-wasm32 libfast-float-dev googletest nodejs)
browser_packages=(chromium chromium-driver python3-selenium)
# Running the Windows program and its tests.
wine_packages=(wine wine64 fonts-wine xvfb xauth xdotool xclip imagemagick)
