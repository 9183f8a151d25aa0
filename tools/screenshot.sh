#!/usr/bin/env bash
# Makes docs/screenshot.png (the main window with the car example) and
# docs/sensitivity.png (its sensitivity window) and docs/screenshot_en.png (the
# English interface), under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake --build "$root/build" --target kalvo-screenshot >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$root/build/bin/kalvo-screenshot" "$root/examples/Avto" "$root/docs/screenshot.png" "${1:-Nakup avtomobila}"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$root/build/bin/kalvo-screenshot" "$root/examples/Avto" "$root/docs/sensitivity.png" "Nakup avtomobila" --sensitivity
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$root/build/bin/kalvo-screenshot" "$root/examples/Avto" "$root/docs/screenshot_en.png" "Nakup avtomobila" --lang en
echo "Wrote $root/docs/screenshot.png, $root/docs/sensitivity.png and $root/docs/screenshot_en.png"
