#!/usr/bin/env bash
# Installs the Debian packages that the named package lists ask for and that
# are missing. Usage: scripts/setup.sh core [win32] [gtk]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wanted=()
for list in "$@"; do
  while read -r name _; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    wanted+=("$name")
  done < "$here/packages/$list.txt"
done
missing=()
for name in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" || missing+=("$name")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""; [[ $(id -u) -ne 0 ]] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
