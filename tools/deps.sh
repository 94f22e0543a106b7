# Sourced by ./run and ./test: installs, from Debian's packages, whatever is missing.
velmora_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs (qt6-translations-l10n: Qt's own buttons and
# dialogs in Japanese).
VELMORA_BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6svg6-dev
    libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho
    libqt6svg6 qt6-qpa-plugins qt6-translations-l10n libcsv-dev)
# What making the Debian package needs besides (dpkg-shlibdeps, and file, which CPack uses to
# find the programs).
VELMORA_PACKAGE_PACKAGES=(dpkg-dev file)
# What the tests need besides: the code page 932 oracle (iconv, in libc-bin), the fuzzers,
# Python's csv module as a second reader of the CSV export, the iCalendar reader that checks
# velmora-tool calendar, and for the package test the packaging tools, the AppStream
# validator and the MIME database tool.
VELMORA_TEST_PACKAGES=(libc-bin clang libclang-rt-14-dev python3 python3-icalendar
    "${VELMORA_PACKAGE_PACKAGES[@]}" appstream shared-mime-info)

velmora_jobs() { nproc 2>/dev/null || echo 2; }
