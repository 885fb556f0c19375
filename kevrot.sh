#!/usr/bin/env bash
# Setup, build, run and test of Znalecký kevrot.
#   ./kevrot.sh setup    install the Debian packages the project needs
#   ./kevrot.sh build    configure and build into build/
#   ./kevrot.sh run      setup + build, then start the program
#   ./kevrot.sh test     setup + build, then run every test
#   ./kevrot.sh install  setup + build, then copy the application directory to
#                        ~/.local/share/ZnaleckyKevrot with a desktop menu entry
#   ./kevrot.sh package  setup + build, then the Debian package build/znalecky-kevrot_*.deb
#                        (checked with appstreamcli and lintian)
#   ./kevrot.sh bench    build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libxlsxwriter-dev
  xvfb xauth imagemagick
  libreoffice-writer-nogui poppler-utils
  python3 python3-openpyxl
  fonts-dejavu-core fonts-liberation2
  qt6-translations-l10n
  libqrencode-dev liblzma-dev zbar-tools
  libarchive-dev libarchive-tools libssl-dev
  libsaxonb-java default-jre-headless
  libreoffice-calc-nogui
  dpkg-dev file lintian appstream x11-utils
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

setup() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

run_tests() {
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
}

appdir() { echo "$BUILD_DIR/app"; }

case "${1:-}" in
  setup) setup ;;
  build) build ;;
  run)
    setup; build
    if [ -x "$(appdir)/ZnaleckyKevrot" ]; then
      exec "$(appdir)/ZnaleckyKevrot" "${@:2}"
    else
      exec "$(appdir)/kevrot-cli" "${@:2}"
    fi ;;
  test) setup; build; run_tests ;;
  bench)
    build
    for b in "$BUILD_DIR"/bench/bench_*; do [ -x "$b" ] && "$b"; done ;;
  install)
    setup; build
    dest="${XDG_DATA_HOME:-$HOME/.local/share}/ZnaleckyKevrot"
    mkdir -p "$dest"
    # Copy without overwriting what the user already has (settings, code lists, years).
    cp -rn "$(appdir)/." "$dest/"
    cp -f "$(appdir)/ZnaleckyKevrot" "$(appdir)/kevrot-cli" "$dest/" 2>/dev/null || true
    if [ -f packaging/znalecky-kevrot.desktop ]; then
      apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
      mkdir -p "$apps"
      sed -e "s|^Exec=.*|Exec=\"$dest/ZnaleckyKevrot\"|" -e "s|^Icon=.*|Icon=$dest/ZnaleckyKevrot.svg|" \
        -e "/^Exec=/a Path=$dest" packaging/znalecky-kevrot.desktop > "$apps/znalecky-kevrot.desktop"
    fi
    echo "Installed into $dest" ;;
  package)
    setup; build
    rm -f "$BUILD_DIR"/znalecky-kevrot_*.deb
    (cd "$BUILD_DIR" && cpack -G DEB)
    deb=$(ls "$BUILD_DIR"/znalecky-kevrot_*.deb)
    appstreamcli validate --no-net packaging/sk.kevrot.ZnaleckyKevrot.metainfo.xml
    lintian --fail-on error "$deb"
    if dpkg-deb -c "$deb" | grep -F "$PWD"; then echo "Build paths in the package" >&2; exit 1; fi
    echo "Package: $deb" ;;
  *) sed -n '2,11p' "$0"; exit 2 ;;
esac
