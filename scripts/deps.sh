#!/usr/bin/env bash
# Installs the Debian packages Mavu needs to build, test and run, if missing.
set -euo pipefail
pkgs=(cmake ninja-build ccache g++ clang-format qt6-base-dev libqscintilla2-qt6-dev
      libgtest-dev libgmock-dev libbenchmark-dev openjdk-17-jdk openjdk-17-source
      openjdk-17-doc universal-ctags
      xvfb xdotool imagemagick x11-utils libgl-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
