#!/bin/sh
# Installs, with apt-get, the Debian 12 packages the build needs that are not there yet.
set -e
packages="cmake ninja-build g++ clang libclang-rt-14-dev qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools libgtest-dev libbenchmark-dev xvfb"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
