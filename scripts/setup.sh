#!/usr/bin/env bash
# Prepares a Debian 12 machine for building and testing Orbanil: installs the packages that
# are missing (the base set, plus any named as arguments) and makes the German locale that
# the number tests use to prove that numbers never follow the process locale.
set -euo pipefail

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
          libgl-dev zlib1g-dev libgtest-dev libbenchmark-dev fonts-dejavu-core locales "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen &&
        $sudo locale-gen >/dev/null || echo "setup: no German locale; one number test will be skipped"
fi
