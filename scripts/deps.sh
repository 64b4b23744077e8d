#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, if missing.
set -euo pipefail
packages=(cmake g++ clang make pkg-config doxygen qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n xcvt edid-decode fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
