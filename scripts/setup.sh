#!/usr/bin/env bash
# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced, not executed; expects KALVO_ROOT to be set.

KALVO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-5compat-dev qt6-tools-dev qt6-svg-dev
  qt6-webengine-dev qt6-pdf-dev qt6-charts-dev qt6-qpa-plugins libgl-dev
  libbenchmark-dev libxlsxwriter-dev zlib1g-dev python3-openpyxl qt6-l10n-tools
  locales libreoffice-calc-nogui
  clang libfuzzer-14-dev libclang-rt-14-dev
  desktop-file-utils appstream xdg-utils shared-mime-info dpkg-dev file man-db
  xvfb xauth x11-utils fonts-wine fonts-dejavu-core qt6-translations-l10n
)

kalvo_install_missing() {
  local missing=()
  local p
  for p in "${KALVO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "These packages are missing and I am not root: ${missing[*]}" >&2; return 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null || return 1
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null || return 1
}

# kalvo_build DIR [extra cmake args...]
kalvo_build() {
  local dir="$1"; shift
  cmake -S "$KALVO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${KALVO_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null || return 1
  cmake --build "$dir" --parallel "$(nproc)" || return 1
}
