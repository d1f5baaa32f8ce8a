#!/bin/sh
# Draws the convergence plot of octant_pi: |estimate - pi| against the chord count, on log-log
# axes, beside the inscribed polygon's own error 1/(12 n^2). Needs gnuplot (Debian: gnuplot-nox).
#
# usage: docs/plot_convergence.sh [PROGRAM] [OUTPUT]
#   PROGRAM  the built program (default: build/octant_pi)
#   OUTPUT   the SVG to write (default: docs/convergence.svg)
# Running it again on the same program and gnuplot writes the same bytes. The SVG ends with a
# comment that holds the twenty plotted points and this script's SHA-256, which the test
# convergence_plot_is_current compares with the program's output and this file.
set -eu
here=$(dirname "$0")
program=${1:-$here/../build/octant_pi}
output=${2:-$here/convergence.svg}

command -v gnuplot >/dev/null 2>&1 || {
  echo "plot_convergence.sh: gnuplot not found; install Debian's gnuplot-nox" >&2
  exit 1
}
[ -x "$program" ] || {
  echo "plot_convergence.sh: no program at $program; build it first" >&2
  exit 1
}

# "count=      5000  pi= 3.1415926502562 " -> "5000 3.1415926502562"; the program reads its one
# character from /dev/null and ends at once.
data=$(mktemp)
trap 'rm -f "$data"' EXIT
"$program" </dev/null | sed -n 's/^count= *\([0-9]*\)  pi= *\([0-9.]*\) *$/\1 \2/p' >"$data"
if [ "$(wc -l <"$data")" -ne 20 ]; then
  echo "plot_convergence.sh: expected 20 lines from $program" >&2
  exit 1
fi

gnuplot <<GNUPLOT
set terminal svg size 720,450 fixed enhanced font "sans,13" background "white"
set output "$output"
set logscale xy
set xrange [4000:125000]
set yrange [1e-12:1e-8]
set xtics ("5000" 5000, "10000" 10000, "20000" 20000, "50000" 50000, "100000" 100000)
set format y "10^{%L}"
set grid xtics ytics mytics
set xlabel "chords n"
set ylabel "|estimate − π|"
set key top right box opaque
set samples 200
plot 1 / (12 * x**2) with lines linewidth 2 linecolor rgb "#4477aa" title "1/(12 n^2): the polygon's own error", \
     "$data" using 1:(abs(\$2 - pi)) with points pointtype 7 pointsize 1 linecolor rgb "#cc3311" title "octant\\\\_pi's twenty estimates"
GNUPLOT
{
  echo "<!-- drawn by docs/plot_convergence.sh, sha256 $(sha256sum "$0" | cut -d' ' -f1)"
  echo "plotted points, chords and estimate:"
  cat "$data"
  echo "-->"
} >>"$output"
