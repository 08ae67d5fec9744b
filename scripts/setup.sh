#!/usr/bin/env bash
# Installs every Debian package Kvarnel needs to build, run and test.
# Idempotent: packages already present are left alone, and the package
# lists are refreshed only when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libmariadb-dev mariadb-server mariadb-client
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation2
  poppler-utils zbar-tools
  python3 python3-aiosmtpd python3-vobject python3-lxml openssl
  galera-4 rsync bc
  xvfb xauth
  qt6-translations-l10n qt6-l10n-tools xdg-utils
  librsvg2-bin desktop-file-utils appstream lintian dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The Debian package starts a system-wide server on install; Kvarnel runs its
# own private servers, so the system one is not needed.
