#!/usr/bin/env bash
# Runs the side-by-side scenarios (bench_scenarios) and their Qt 5 widgets peer
# (bench_peer_qt, when built) and prints one Markdown table: scenario, our time, the peer's
# time and peer / ours (above 1: we are faster), then the machine it ran on.
# usage: bench/side_by_side.sh <build dir> [extra Google Benchmark arguments]
set -euo pipefail
BUILD_DIR=${1:?build directory}
shift
ARGS=(--benchmark_format=console --benchmark_color=false --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@")
OURS=$(mktemp)
PEER=$(mktemp)
trap 'rm -f "$OURS" "$PEER"' EXIT

"$BUILD_DIR"/bench_scenarios "${ARGS[@]}" >"$OURS" 2>/dev/null
if [ -x "$BUILD_DIR"/bench/peer_qt/bench_peer_qt ]; then
  QT_QPA_PLATFORM=offscreen "$BUILD_DIR"/bench/peer_qt/bench_peer_qt "${ARGS[@]}" >"$PEER" 2>/dev/null
fi

awk '
  # Median rows: BM_Name/arg/iterations:10/manual_time_median  <real> <unit>  <cpu> <unit>  <iterations> ...
  function key(name) {
    if (name !~ /_median$/) return ""
    sub(/_median$/, "", name)
    gsub(/\/(iterations:[0-9]+|manual_time)/, "", name)
    return name
  }
  function micros(value, unit) {
    if (unit == "ns") return value / 1000
    if (unit == "ms") return value * 1000
    if (unit == "s") return value * 1000000
    return value
  }
  function label(name,   parts) {
    split(name, parts, "/")
    if (parts[1] == "BM_Build8x20") return "build 8 menus x 20 items"
    if (parts[1] == "BM_ShowFirstPaint") return "show + first paint"
    if (parts[1] == "BM_FullRedraw1024x768") return "whole 1024x768 window redraw"
    if (parts[1] == "BM_HoverCaptionToCaption") return "hover, caption to caption"
    if (parts[1] == "BM_MenuOpenPaintClose20") return "20-item menu open + paint + close"
    if (parts[1] == "BM_Bands3x20Build") return "3 bands x 20 tools, build"
    if (parts[1] == "BM_HoverToolToTool") return "hover, tool to tool"
    if (parts[1] == "BM_FullRedrawWithBands") return "whole window redraw with the bands"
    if (parts[1] == "BM_ColourPanelOpenClose") return "colour panel of a tool, open + close"
    if (parts[1] == "BM_CascadeOpenClose") return "cascading: 20-item sub-menu open + close (keys)"
    if (parts[1] == "BM_FirstMenuOpenInProcess") return "first menu open in the process"
    if (parts[1] == "BM_MenuFirstPopup") return "one menu of " parts[2] " items, first popup"
    if (parts[1] == "BM_KeyedItemsBuild") return parts[2] " items each with a key, build"
    return name
  }
  function shown(us) {
    if (us >= 10000) return sprintf("%.1f ms", us / 1000)
    if (us >= 100) return sprintf("%.0f µs", us)
    return sprintf("%.1f µs", us)
  }
  FNR == 1 { file++ }
  /^peak_memory_kb,/ { split($0, parts, ","); peak[file] = parts[2]; next }
  {
    manual = $1 ~ /manual_time/
    k = key($1)
    if (k == "") next
    if (!(k in seen)) { seen[k] = 1; order[++n] = k }
    # Processor time, as the machine may be shared; a fresh process is timed by the clock.
    t[file, k] = manual ? micros($2, $3) : micros($4, $5)
  }
  END {
    print "| scenario | ours | Qt 5 peer | peer / ours |"
    print "|---|---|---|---|"
    for (i = 1; i <= n; i++) {
      k = order[i]
      ours = t[1, k]; other = t[2, k]
      ratio = (ours > 0 && other > 0) ? sprintf("%.2f", other / ours) : "-"
      print "| " label(k) " | " shown(ours) " | " (other > 0 ? shown(other) : "-") " | " ratio " |"
    }
    mine = peak[1] / 1024; theirs = peak[2] / 1024
    print "| peak memory of the whole run | " sprintf("%.0f MB", mine) " | " \
          (theirs > 0 ? sprintf("%.0f MB", theirs) : "-") " | " \
          (theirs > 0 && mine > 0 ? sprintf("%.2f", theirs / mine) : "-") " |"
  }
' "$OURS" "$PEER"

echo
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores;" \
     "times are processor times (medians of the repetitions), except the fresh-process row (clock time)."
