#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds VERSTAK and then runs it or its tests.
#   ./build.sh run    build and start VERSTAK
#   ./build.sh test   build and run every test headless
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-dejavu-core strace
          qt6-translations-l10n qt6-pdf-dev fonts-paratype libhpdf-dev libfontconfig-dev poppler-utils libxml2-utils
          qt6-svg-dev desktop-file-utils man-db ghostscript zlib1g-dev liblemon-dev libhyphen-dev hyphen-ru
          libharfbuzz-bin fonts-dejavu-extra dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=build
# VERSTAK_WERROR=ON in the environment makes warnings errors (CI does that).
# In CI (CI=true) the debug information is line tables only: a fifth less
# build time, and a backtrace still names file and line.
debug_info=()
[ -z "${CI:-}" ] || debug_info=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERSTAK_WERROR="${VERSTAK_WERROR:-OFF}" "${debug_info[@]}"
cmake --build "$build" --parallel

case "${1:-run}" in
  run)
    exec "$build/verstak"
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$build" --output-on-failure --no-tests=error --parallel "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
