#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it: scripts/fuzz.sh [SECONDS] [extra libFuzzer flags...]
# (AddressSanitizer keeps a small quarantine, so that the memory limit measures Kalvo;
# leaks are reported by LeakSanitizer when the run ends, not by rerunning every input.)
# A crash, a sanitizer report, a run over 5 s or one allocation over 512 MB fails (exit non-zero);
# the process as a whole may grow to 2 GB: the coverage instrumentation's own bookkeeping grows
# by some hundred kB a run over a long session (the same inputs uninstrumented stay flat).
# the input that did it is left in build-fuzz/ as crash-*, leak-*, timeout-* or oom-*.
set -euo pipefail
KALVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"; shift || true
dir="$KALVO_ROOT/build-fuzz"

CC=clang CXX=clang++ cmake -S "$KALVO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVO_FUZZ=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target fuzz_modelset

# Starting inputs: each example as one input (flags byte, then the three files split by NUL),
# under both decimal separators and both methods.
starting="$dir/starting"
corpus="$dir/corpus"
mkdir -p "$starting" "$corpus"
for krt in "$KALVO_ROOT"/examples/*.KRT; do
  base="${krt%.KRT}"
  for flags in 0 3 4; do
    { printf "\\x0$flags"; cat "$base.KRT"; printf '\0'; cat "$base.MAT"; printf '\0'; cat "$base.RST"; } \
      > "$starting/$(basename "$base")-$flags"
  done
done

# And one with a companion that leaves a pair of the car example's root blank.
{ printf '\x00'; cat "$KALVO_ROOT/examples/Avto.KRT"; printf '\0'; cat "$KALVO_ROOT/examples/Avto.MAT"; printf '\0'
  cat "$KALVO_ROOT/examples/Avto.RST"; printf '\0'
  printf '{"format": "kalvo-model-extras", "version": 1, "criteria": [{"index": 0, "path": "Nakup avtomobila", "blank": [[1, 3]]}]}'
} > "$starting/Avto-blank"

# And one whose fifth part is a model's JSON document (a group, a blank pair, measured values).
{ printf '\x00\0\0\0\0'
  printf '{"format": "kalvo-model", "version": 1, "criteria": [{"name": "Cilj", "level": 0, "kind": "relative", '
  printf '"ratios": [["1", "3:1", ""], ["1:3", "1", "2:1"], ["", "1:2", "1"]], "judgements": [[["1", "3:1", ""], '
  printf '["1:3", "1", "2:1"], ["", "1:2", "1"]]]}, {"name": "A", "level": 1, "kind": "less_is_better", '
  printf '"values": ["5,6", "4"]}, {"name": "B", "level": 1, "kind": null}, {"name": "C", "level": 1, '
  printf '"kind": "more_is_better", "values": [1, 2.5]}], "solutions": ["X", "Y"], "participants": [{"name": "Ana", "weight": 1}]}'
} > "$starting/json-model"

# And a survey's answers to the car example, and the journal of an interrupted save.
{ printf '\x00'; cat "$KALVO_ROOT/examples/Avto.KRT"; printf '\0'; cat "$KALVO_ROOT/examples/Avto.MAT"; printf '\0'
  cat "$KALVO_ROOT/examples/Avto.RST"; printf '\0\0\0'
  printf 'Ime;Ute\xc5\xbe;Nakup avtomobila: Stro\xc5\xa1ki : Varnost\r\n"Ana; A";1;3:1\r\nBine;2;1:2\r\n'
} > "$starting/Avto-survey"
{ printf '\x00'; cat "$KALVO_ROOT/examples/Avto.KRT"; printf '\0\0\0\0\0\0'
  printf 'kalvo-save 1\n%s\tm.KRT\nend\n' "$(sha256sum < "$KALVO_ROOT/examples/Avto.KRT" | cut -d' ' -f1)"
} > "$starting/journal"

cd "$dir"
ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=32:allocator_release_to_os_interval_ms=500 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./bin/fuzz_modelset -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=5 -max_len=16384 -detect_leaks=0 \
  -print_final_stats=1 "$@" "$corpus" "$starting"
