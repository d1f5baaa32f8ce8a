# Sourced by the CI scripts, with $out set: one line of result per check, logs in $out.
: "${out:?}"
src=$PWD
expected=$src/tests/data/expected_output.txt
expected_bits=$src/tests/data/expected_bits.txt
failed=0

# $out is the scripts' own: made here and marked, or found empty. A marked folder is emptied for
# the new run; a folder with anything else in it is left as it is, and the run stops.
marker=.octant_pi_ci_output
if [ -e "$out" ] && [ ! -e "$out/$marker" ] && [ -n "$(ls -A "$out")" ]; then
  echo "$0: $out holds files that these scripts did not make; name an empty or new folder" >&2
  exit 2
fi
mkdir -p "$out"
find "$out" -mindepth 1 -maxdepth 1 ! -name "$marker" -exec rm -rf {} +
touch "$out/$marker"

selected() { [[ -z ${MATRIX_ONLY:-} || $1 =~ $MATRIX_ONLY ]]; }

report() {  # NAME STATUS SECONDS [NOTE]: PASS or FAIL, with the log to read on failure
  local note=${4:+ $4}
  if [ "$2" -eq 0 ]; then
    echo "PASS  $1$note ($3 s)"
  else
    echo "FAIL  $1$note ($3 s, log: $out/$1.log)"
    failed=1
  fi
}

not_run() {  # NAME REASON: a check that could not run here, found by trying; never a pass
  echo "NOT RUN  $1: $2"
}

# installed NAME PACKAGE: whether the Debian package PACKAGE is installed, else NAME's NOT RUN
# line with apt's reason, where .ci/run kept it.
has_package() { dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null | grep -qx installed; }
installed() {
  has_package "$2" && return 0
  local log=${CI_APT_LOGS:-/tmp/octant_pi_apt}/$2.log why=""
  if [ -s "$log" ]; then
    # The first unmet dependency of that architecture's packages, and apt's last error.
    why=" ($(grep -m1 -h ":${2#*:} : Depends:" "$log" | sed 's/^ *//')$(grep -h '^E:' "$log" | tail -n1 | sed 's/^/; apt-get /'))"
  fi
  not_run "$1" "$2 is not installed$why"
  return 1
}

# run_wine EXE DIR: run the 64-bit Windows program EXE with DIR as the current folder and one
# line on standard input; a wine that hangs is stopped after five minutes.
run_wine() {
  ( cd "$2" && printf '\n' | timeout 300 env WINEDEBUG=-all WINEARCH=win64 \
      WINEPREFIX="$out/wine64-prefix" WINEDLLOVERRIDES=mscoree,mshtml=d /usr/lib/wine/wine64 "$1" )
}

# EXE DIR under 64-bit wine prints the twenty lines with CR LF line ends.
prints_expected_crlf() {  # EXE DIR
  run_wine "$@" >"$2/out.txt" && sed 's/$/\r/' "$expected" | cmp - "$2/out.txt"
}
