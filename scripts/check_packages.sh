#!/usr/bin/env bash
# Every program that the build, ./test and scripts/package.sh call must come from a
# package that scripts/setup.sh installs, from one of their dependencies, or from
# Debian's base system (priority "required", all that a minimal system has).
# Otherwise ./test works here and fails on a newcomer's fresh machine.
set -uo pipefail
KALVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KALVO_ROOT/scripts/setup.sh"

# What the build, the tests and the packaging run, by name.
commands=(
  cmake ctest cpack ninja c++ g++ pkg-config strip objdump
  clang clang++
  xvfb-run Xvfb xauth xprop
  desktop-file-validate appstreamcli update-mime-database xdg-mime
  dpkg-shlibdeps dpkg-deb file man
  /usr/lib/qt6/libexec/moc /usr/lib/qt6/libexec/rcc
  /usr/bin/python3 /usr/bin/soffice localedef
  /usr/lib/qt6/bin/lupdate /usr/lib/qt6/bin/lrelease
)
# Files that are read rather than run.
files=(
  /usr/share/wine/fonts/tahoma.ttf
  /usr/share/qt6/translations/qt_sl.qm
  /usr/lib/x86_64-linux-gnu/libbenchmark.so
  /usr/lib/x86_64-linux-gnu/libxlsxwriter.so
  /usr/lib/x86_64-linux-gnu/libz.so
  /usr/lib/python3/dist-packages/openpyxl/__init__.py
  /usr/share/i18n/locales/sl_SI /usr/share/i18n/locales/en_US /usr/share/i18n/charmaps/UTF-8.gz
  /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a
)

# The packages installed with their dependencies: name, then every name it depends on.
closure="$(dpkg-query -W -f='${Package} ${Provides} ,${Depends}, ${Pre-Depends}\n' 2>/dev/null |
  awk -v roots="${KALVO_PACKAGES[*]}" '
    {
      name = $1; line = $0; sub(/^[^ ]* /, "", line)
      split(line, parts, ",")
      deps[name] = ""
      for (i in parts) {
        alt = parts[i]; gsub(/\([^)]*\)|:any|\[[^]]*\]/, "", alt)
        n = split(alt, names, /[ |]+/)
        for (j = 1; j <= n; j++) if (names[j] != "") deps[name] = deps[name] " " names[j]
      }
      # A virtual name leads to the installed packages that provide it.
      provides = line; sub(/,.*/, "", provides); gsub(/\([^)]*\)/, "", provides)
      m = split(provides, virt, /[ ]+/)
      for (j = 1; j <= m; j++) if (virt[j] != "") deps[virt[j]] = deps[virt[j]] " " name
    }
    END {
      n = split(roots, queue, " ")
      for (i = 1; i <= n; i++) seen[queue[i]] = 1
      for (i = 1; i <= n; i++) {
        k = split(deps[queue[i]], next_, " ")
        for (j = 1; j <= k; j++) if (!(next_[j] in seen)) { seen[next_[j]] = 1; queue[++n] = next_[j] }
      }
      for (p in seen) print p
    }')"

status=0
check() {   # check WHAT PATH
  local what="$1" path="$2" owner priority
  if [ -z "$path" ]; then echo "not installed: $what"; status=1; return; fi
  owner="$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n1 | cut -d: -f1)"
  [ -n "$owner" ] || owner="$(dpkg -S "$path" 2>/dev/null | head -n1 | cut -d: -f1)"
  if [ -z "$owner" ]; then echo "no package owns $what ($path)"; status=1; return; fi
  priority="$(dpkg-query -W -f='${Priority}' "$owner" 2>/dev/null)"
  if [ "$priority" = required ] || grep -qx "$owner" <<<"$closure"; then
    printf '%-28s %s\n' "$what" "$owner"
  else
    echo "$what comes from $owner, which scripts/setup.sh does not install"; status=1
  fi
}
for c in "${commands[@]}"; do check "$c" "$(command -v "$c" 2>/dev/null)"; done
for f in ${files[@]}; do check "$f" "$([ -e "$f" ] && echo "$f")"; done
exit $status
