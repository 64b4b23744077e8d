#!/usr/bin/env bash
# Runs the computing sendertool commands of two or more builds on the same
# seeded inputs and counts the outputs (stdout, stderr, exit code) that differ
# from the first build's. Results are defined step by step in single precision,
# so every build type and compiler must print the same.
#   scripts/crosscheck.sh [-n COUNT] [-s SEED] TOOL_A TOOL_B [TOOL...]
# For example, after building sendertool in build-debug (-DCMAKE_BUILD_TYPE=Debug)
# and build-clang (scripts/test.sh --compiler clang --build-type Release):
#   scripts/crosscheck.sh build-debug/tools/sendertool/sendertool \
#       build-clang/tools/sendertool/sendertool
# Slow (one process per input): not part of the test suite.
set -euo pipefail
count=2000
seed=1
while getopts "n:s:" option; do
  case "$option" in
    n) count="$OPTARG" ;;
    s) seed="$OPTARG" ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 2 ] || { echo "usage: $0 [-n COUNT] [-s SEED] TOOL_A TOOL_B [TOOL...]" >&2; exit 2; }
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One argument line per input. Chromaticities lie mostly near the curves where
# the last bits decide: the daylight locus and the vertices of the spectral locus.
"$1" locus >"$work/hull"
generate() {
  awk -v n="$count" -v seed="$seed" -v cmd="$1" -v hull="$work/hull" '
    function pick(a, k) { return a[1 + int(rand() * k)] }
    function rate() {
      if (rand() < 0.5) return pick(rates, 9)
      return sprintf("%.3f", 1 + rand() * 239)
    }
    function mode(side) { # side: the largest random width and height
      if (rand() < 0.3) { i = 1 + int(rand() * 13); return widths[i] " " heights[i] " " rate() }
      return (1 + int(rand() * side)) " " (1 + int(rand() * side)) " " rate()
    }
    function daylight(t) {
      if (t < 7000) return 1000 / t * 0.09911 + 1e6 / t^2 * 2.9678 - 4.607e9 / t^3 + 0.244063
      return 1000 / t * 0.24748 + 1e6 / t^2 * 1.9018 - 2.0064e9 / t^3 + 0.23704
    }
    BEGIN {
      srand(seed)
      split("23.976 24 29.97 30 50 59.94 60 120 144", rates, " ")
      split("800 1024 1280 1280 1366 1400 1440 1600 1680 1920 1920 2048 800", widths, " ")
      split("600 768 960 1024 768 1050 900 900 1050 1080 1200 1152 600", heights, " ")
      split("sRGB AdobeRGB PAL NTSC Rec601 Rec709 Rec2020 DCIP3", standards, " ")
      while ((getline line < hull) > 0) { split(line, v, " "); hx[++nh] = v[1]; hy[nh] = v[2] }
      for (k = 0; k < n; ++k) {
        if (cmd == "cct") {
          t = 3990 + rand() * 21020
          print "cct " (rand() < 0.5 ? int(t) : sprintf("%.3f", t)) (rand() < 0.3 ? " --formula" : "")
        } else if (cmd == "xy2cct") {
          t = 4000 + rand() * 21000; x = daylight(t); y = -3 * x * x + 2.87 * x - 0.275
          d = (rand() - 0.5) * 0.02
          printf "xy2cct %.4f %.4f%s\n", x + d, y - d, (rand() < 0.3 ? " --raw" : "")
        } else if (cmd == "locus") {
          if (rand() < 0.7) { i = 1 + int(rand() * nh); x = hx[i] + (rand() - 0.5) * 0.0006; y = hy[i] + (rand() - 0.5) * 0.0006 }
          else { x = rand() * 0.8; y = rand() * 0.9 }
          printf "locus --contains %.7f %.7f\n", x, y
        } else if (cmd == "timing") {
          print "timing " mode(4095) (rand() < 0.5 ? " --reduced-blanking" : "") \
            (rand() < 0.3 ? " --interlaced" : "") (rand() < 0.3 ? " --margins" : "")
        } else if (cmd == "edid") {
          print "edid " mode(2600) " --hex"
        } else if (cmd == "pixelrate") {
          print "pixelrate " mode(4095) " --standard " int(rand() * 2)
        } else if (cmd == "coverage") {
          s = ""
          for (g = 0; g < 2; ++g) {
            if (rand() < 0.3) spec = pick(standards, 8)
            else spec = sprintf("%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f", rand() * 0.7, 0.2 + rand() * 0.6,
              rand() * 0.4, 0.3 + rand() * 0.5, 0.1 + rand() * 0.1, rand() * 0.1, 0.3, 0.3)
            s = s (g == 0 ? " --screen " : " --output ") spec
          }
          print "coverage" s
        }
      }
    }'
}

run() { # TOOL INPUTS: one output block per input line
  while read -r -a args; do
    echo "== ${args[*]}"
    "$1" "${args[@]}" </dev/null 2>&1 || echo "exit $?"
  done <"$2"
}

differing_inputs() { # OUTPUT_A OUTPUT_B: how many inputs have differing output blocks
  paste -d '\n' <(blocks "$1") <(blocks "$2") | awk 'NR % 2 { a = $0; next } a != $0 { ++n } END { print n + 0 }'
}
blocks() { awk '/^== / && NR > 1 { print s; s = "" } { s = s $0 "|" } END { print s }' "$1"; }

status=0
for command in cct xy2cct locus timing edid pixelrate coverage; do
  generate "$command" >"$work/$command.in"
  run "$1" "$work/$command.in" >"$work/$command.0"
  for ((t = 2; t <= $#; ++t)); do
    run "${!t}" "$work/$command.in" >"$work/$command.$t"
    differing=$(differing_inputs "$work/$command.0" "$work/$command.$t")
    echo "$command: $count inputs, $differing differ between $1 and ${!t}"
    [ "$differing" -eq 0 ] || status=1
  done
done
exit $status
