#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as an installed program:
# the files where a desktop expects them, kalvo-cli and kalvo working from any
# folder, the desktop entry, the AppStream data, the model file type, the manual
# page, and the Debian package's contents and dependencies.
#   packaging/check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" --strip >/dev/null

for file in bin/kalvo bin/kalvo-cli share/kalvo/Kalvo.hlp share/kalvo/Kalvo_en.hlp share/kalvo/translations/kalvo_en.qm share/kalvo/examples/Avto.KRT \
            share/applications/si.kalvo.Kalvo.desktop share/mime/packages/kalvo.xml \
            share/metainfo/si.kalvo.Kalvo.metainfo.xml share/icons/hicolor/scalable/apps/kalvo.svg \
            share/icons/hicolor/48x48/apps/kalvo.png share/icons/hicolor/256x256/apps/kalvo.png \
            share/man/man1/kalvo-cli.1 share/doc/kalvo/README.md share/doc/kalvo/copyright; do
  [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
if grep -rq "$(cd "$(dirname "$0")/.." && pwd)" "$prefix/bin"; then
  echo "the installed programs name the source tree"; exit 1
fi

# From another folder, as a user: no paths of the build or the source tree.
cd "$work"
"$prefix/bin/kalvo-cli" --version | grep -qx "kalvo-cli [0-9.]*"
"$prefix/bin/kalvo" --version | grep -qx "kalvo [0-9.]*"
grep -q "^Corolla" <<<"$("$prefix/bin/kalvo-cli" analyze "$prefix/share/kalvo/examples/Avto.KRT")"
grep -q "EXIT STATUS" <<<"$(man -l "$prefix/share/man/man1/kalvo-cli.1" 2>/dev/null)"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/si.kalvo.Kalvo.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/si.kalvo.Kalvo.metainfo.xml" >/dev/null
fi
if command -v update-mime-database >/dev/null && command -v xdg-mime >/dev/null; then
  export XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/data:/usr/share"
  mkdir -p "$XDG_DATA_HOME/mime/packages"
  cp "$prefix/share/mime/packages/kalvo.xml" "$XDG_DATA_HOME/mime/packages/"
  update-mime-database "$XDG_DATA_HOME/mime"
  cp "$prefix/share/kalvo/examples/Avto.KRT" "$work/Avto.KRT"
  cp "$prefix/share/kalvo/examples/Avto.KRT" "$work/avto.krt"
  [ "$(xdg-mime query filetype "$work/Avto.KRT")" = application/x-kalvo-model ]
  [ "$(xdg-mime query filetype "$work/avto.krt")" = application/x-kalvo-model ]
fi

# The package: its name, contents and what it depends on.
if command -v dpkg-shlibdeps >/dev/null; then
  (cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
  deb="$(ls "$work"/package/kalvo_*_amd64.deb)"
  contents="$(dpkg-deb -c "$deb")"
  grep -q "./usr/bin/kalvo-cli$" <<<"$contents"
  grep -q "./usr/share/applications/si.kalvo.Kalvo.desktop$" <<<"$contents"
  depends="$(dpkg-deb -f "$deb" Depends)"
  for needed in fonts-wine libqt6core6 libqt6widgets6 libqt6webenginewidgets6; do
    case "$depends" in *"$needed"*) ;; *) echo "the package does not depend on $needed: $depends"; exit 1;; esac
  done
fi
echo "The installed program checks out"
