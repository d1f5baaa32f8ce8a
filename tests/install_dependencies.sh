#!/bin/sh
# Installs what the tests need on Debian 12, as root: Debian's packages of Python (the end-to-end
# tests), GoogleTest, Google Benchmark, clang (the plain-compile tests), qemu-user (the choice of
# kernel on older processors) and locales, and the de_DE.UTF-8 locale that the environment test
# sets. What is there already is left alone.
set -eu
packages="g++ cmake make python3 libgtest-dev libbenchmark-dev clang qemu-user locales"

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q "ok installed" \
    || missing="$missing $package"
done
if ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
  needs_locale=yes
else
  needs_locale=no
fi
if [ -z "$missing" ] && [ "$needs_locale" = no ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "install_dependencies.sh: as root, this installs:$missing${missing:+ and} the de_DE.UTF-8 locale" >&2
  exit 1
fi

if [ -n "$missing" ]; then
  # An index that fails to download (a mirror in the middle of a sync) need not stop the
  # install: apt-get install says so if a package is then missing.
  apt-get update -qq || echo "install_dependencies.sh: apt-get update had errors; installing anyway" >&2
  # shellcheck disable=SC2086  # a list of package names
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
fi
if [ "$needs_locale" = yes ]; then
  sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  locale-gen >/dev/null
fi
