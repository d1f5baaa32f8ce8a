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

# i386_execution LOG: how this machine executes a static 32-bit x86 program: native, emulated
# (by a qemu-i386 entry of binfmt_misc, as .ci/run registers one) or none.
i386_execution() {
  local probe=$out/i386-probe entry
  printf 'int main(void) { return 0; }\n' >"$probe.c"
  if ! { i686-linux-gnu-gcc -static -o "$probe" "$probe.c" && "$probe"; } >>"$1" 2>&1; then
    echo none
    return
  fi
  for entry in /proc/sys/fs/binfmt_misc/*; do
    if grep -qx enabled "$entry" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$entry"; then
      echo emulated
      return
    fi
  done
  echo native
}

# runs_i386 NAME LOG: whether 32-bit x86 programs run here, natively or emulated, else NAME's
# NOT RUN line.
runs_i386() {
  [ "$(i386_execution "$2")" != none ] && return 0
  not_run "$1" "this kernel executes no 32-bit program, natively or through qemu-i386 (log: $2)"
  return 1
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

# wine64|wine32 EXE DIR: run EXE with DIR as the current folder and one line on standard input;
# a wine that hangs is stopped after $wine_limit seconds (300 unless set).
run_wine() {
  local loader=/usr/lib/wine/wine64 arch=win64
  [ "$1" = wine32 ] && loader=/usr/lib/wine/wine arch=win32
  ( cd "$3" && printf '\n' | timeout "${wine_limit:-300}" env WINEDEBUG=-all WINEARCH=$arch \
      WINEPREFIX="$out/$1-prefix" WINEDLLOVERRIDES=mscoree,mshtml=d "$loader" "$2" )
}

# EXE DIR under wine64|wine32 prints the twenty lines with CR LF line ends.
prints_expected_crlf() {  # wine64|wine32 EXE DIR
  run_wine "$@" >"$3/out.txt" && sed 's/$/\r/' "$expected" | cmp - "$3/out.txt"
}

# wine32_runs NAME LOG: whether 32-bit wine runs a Windows program here: its package installed,
# 32-bit x86 programs running natively or under qemu-i386, and wine itself starting, within two
# minutes, a program that does nothing; under an emulator it may not. Else NAME's NOT RUN line,
# and the wine processes of the attempt are stopped: none of that is the project's doing.
wine32_runs() {
  installed "$1" wine32:i386 && runs_i386 "$1" "$2" || return 1
  local probe=$out/wine32-probe
  mkdir -p "$probe"
  printf 'int main(void) { return 0; }\n' >"$probe/probe.c"
  { i686-w64-mingw32-gcc -static -o "$probe/probe.exe" "$probe/probe.c" \
      && wine_limit=120 run_wine wine32 ./probe.exe "$probe"; } >>"$2" 2>&1 && return 0
  WINEPREFIX="$out/wine32-prefix" /usr/lib/wine/wineserver -k >>"$2" 2>&1
  not_run "$1" "32-bit wine ($(i386_execution "$2")) starts no Windows program here (log: $2)"
  return 1
}
