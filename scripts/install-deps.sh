#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when they are missing.
# As root it runs apt-get; otherwise it prints the command to run and fails.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev libcurl4-openssl-dev
          python3-pyftpdlib xvfb xauth x11-apps x11-utils fonts-dejavu-core imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

command=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:  apt-get update && ${command[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
"${command[@]}"
