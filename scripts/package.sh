#!/usr/bin/env bash
# Builds the Debian package: build/kalvo_<version>_amd64.deb.
set -euo pipefail
KALVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KALVO_ROOT/scripts/setup.sh"
kalvo_install_missing
kalvo_build "$KALVO_ROOT/build"
cd "$KALVO_ROOT/build"
cpack -G DEB
