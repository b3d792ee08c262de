#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package as a user would (apt-get install ./zelvik_….deb), tries what it
# installed from /usr, and removes it again.
#   tests/install/check_package.sh build-pkg/zelvik_VERSION_ARCH.deb [--screenshot FILE.png]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
shift
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
apt() { $sudo flock /tmp/zelvik-apt.lock env DEBIAN_FRONTEND=noninteractive apt-get -qq "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

if dpkg-query -W -f='${Status}' zelvik 2>/dev/null | grep -q 'ok installed'; then
  fail "zelvik is installed already; this check would remove it"
fi
dpkg-deb -f "$deb" Package Version Section Maintainer Depends
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6widgets6 qt6-qpa-plugins libcurl4 libsodium23 libglpk40; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
done
[ "$(dpkg-deb -f "$deb" Section)" = utils ] || fail "Section is not utils"

apt install -y --no-install-recommends "$deb" >/dev/null
trap 'apt remove -y zelvik >/dev/null' EXIT

[ "$(command -v zelvik-cli)" = /usr/bin/zelvik-cli ] || fail "zelvik-cli is not /usr/bin/zelvik-cli"
# Captured first: under pipefail, grep -q leaving early would kill the writer with SIGPIPE.
help=$(/usr/bin/zelvik-cli --help) || fail "zelvik-cli --help exited with $?"
grep -q '^  zelvik-cli weight' <<<"$help" || fail "zelvik-cli --help lacks the weight command"
out=$(/usr/bin/zelvik-cli weight hot-angle --length 6000)
[[ $out == *'"weight": "5.33"'* ]] || fail "zelvik-cli weight hot-angle --length 6000 printed $out"
echo "zelvik-cli from /usr/bin: $out"
# A plan whose proof needs the linear programme: the packaged GLPK loads and solves.
out=$(/usr/bin/zelvik-cli cut --stock 100 --kerf 0 --piece 40:5)
[[ $out == *'"lower_bound": {"bars": 3,'*'"optimal": true'* ]] || fail "zelvik-cli cut printed $out"

desktop=$(dpkg -L zelvik | grep '^/usr/share/applications/.*\.desktop$')
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" >/dev/null
for f in "/usr/share/icons/hicolor/scalable/apps/$id.svg" "/usr/share/icons/hicolor/48x48/apps/$id.png" \
         /usr/share/man/man1/zelvik.1.gz /usr/share/man/man1/zelvik-cli.1.gz \
         /usr/share/man/zh_CN/man1/zelvik.1.gz /usr/share/man/zh_CN/man1/zelvik-cli.1.gz \
         /usr/share/bash-completion/completions/zelvik-cli /usr/share/doc/zelvik/copyright; do
  [ -f "$f" ] || fail "$f is missing"
done
grep -q '^License: GPL-3+$' /usr/share/doc/zelvik/copyright || fail "the copyright file names no GPL-3+ licence"
echo "desktop entry, metadata, icons, man pages, completion and copyright installed as $id"

python3 "$here/check_installed_window.py" /usr/bin/zelvik --desktop-entry "$desktop" "$@"

trap - EXIT
apt remove -y zelvik >/dev/null
[ ! -e /usr/bin/zelvik ] && [ ! -e "$desktop" ] || fail "files left after removal"
echo "package installed, tried and removed: $(basename "$deb")"
