#!/usr/bin/env bash
# Sets up what is missing, builds, and then starts the editor (run) or runs every test (test).
# Idempotent: packages already installed and an up-to-date build cost a few seconds.
#
#   scripts/dev.sh run     install, build, start specedit
#   scripts/dev.sh test    install, build, run all tests
#   scripts/dev.sh build   install and build only
#   scripts/dev.sh sanitize   install, build with AddressSanitizer and UndefinedBehaviorSanitizer
#                             in build-asan/, run all tests there
#   scripts/dev.sh large   install, build, run only the tests labelled "large" (big files)
#   scripts/dev.sh install install the packages only
set -euo pipefail
cd "$(dirname "$0")/.."

# Every Debian package the project needs, in one place.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-image-formats-plugins libqcustomplot-dev libgl-dev
  libgtest-dev libgmock-dev rapidjson-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fonts-noto-core fonts-noto-color-emoji fonts-symbola
)

BUILD_DIR=${SPECEDIT_BUILD_DIR:-build}

install_missing() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build() {
  [ -f "$BUILD_DIR/build.ninja" ] || cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$BUILD_DIR"
}

case "${1:-}" in
  run)
    install_missing
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "specedit needs a display and none was found: start it from a desktop session, or" \
           "without one as: xvfb-run -s '-screen 0 1280x1024x24' $BUILD_DIR/app/specedit" >&2
      exit 1
    fi
    exec "$BUILD_DIR/app/specedit"
    ;;
  test)
    install_missing
    build
    cd "$BUILD_DIR"
    ctest --output-on-failure -j2 -LE large
    ;;
  sanitize)
    install_missing
    BUILD_DIR=${SPECEDIT_ASAN_BUILD_DIR:-build-asan}
    build -DSPECEDIT_SANITIZE=ON -DSPECEDIT_BENCH=OFF
    cd "$BUILD_DIR"
    # Any report fails the test that caused it, leaks included.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j2 -LE large
    ;;
  large)
    install_missing
    build
    cd "$BUILD_DIR"
    ctest --output-on-failure -L large
    ;;
  build)
    install_missing
    build
    ;;
  install)
    install_missing
    ;;
  *)
    echo "usage: $0 run|test|sanitize|large|build|install" >&2
    exit 2
    ;;
esac
