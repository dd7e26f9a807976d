# Sourced by the scripts that build or test (run.sh, test.sh, package.sh,
# windows.sh, web.sh, screenshot.sh): install_missing installs the Debian
# packages named that are missing, with sudo when not root, and the lists
# below name what each part of the work needs; build_preset configures and
# builds one of CMakePresets.json's presets.
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

# ensure_locale NAME: makes a locale such as pt_BR.UTF-8 where it is missing.
ensure_locale() {
    local wanted=${1/UTF-8/utf8}
    locale -a 2>/dev/null | grep -qx "$wanted" && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Making the locale $1"
    $sudo localedef -i "${1%%.*}" -f UTF-8 "$1"
}

# Every date a build writes into what it makes (archives, packages) is the
# release date, so that two builds of one commit give the same bytes.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$(sed -n 's/^set(QUINTORA_RELEASE_DATE \(.*\))$/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt")" +%s)}
export SOURCE_DATE_EPOCH

# build_preset NAME [BUILD ARGUMENTS...]
build_preset() {
    local name=$1
    shift
    cmake --preset "$name" >/dev/null
    cmake --build --preset "$name" -j"$(nproc)" "$@"
}

# The Linux program.
build_packages=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libfast-float-dev fonts-liberation2)
# Its tests and benchmarks.
test_packages=(libgtest-dev libbenchmark-dev libxcb1-dev valgrind locales)
# The fuzzers: clang with libFuzzer and the sanitizers.
fuzz_packages=(cmake make clang libclang-rt-14-dev libfast-float-dev)
# The Windows program, its zip, its installer and its MSI; Wine runs the
# build's tools.
windows_packages=(cmake make g++-mingw-w64-x86-64-posix googletest libfast-float-dev nsis wixl
    msitools faketime osslsigncode openssl unzip imagemagick wine wine64 fonts-wine)
# The web page (llvm-14 has the archiver that its link-time optimisation
# needs, binaryen the optimizer that makes its module smaller), and trying it
# in a browser.
web_packages=(cmake make clang-14 lld-14 llvm-14 binaryen wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
    libclang-rt-14-dev-wasm32 libfast-float-dev googletest nodejs)
browser_packages=(chromium chromium-driver python3-selenium)
# Driving a real window on a virtual X display, the Linux program's and the
# Windows program's under Wine.
display_packages=(xvfb xauth xdotool xclip imagemagick)
