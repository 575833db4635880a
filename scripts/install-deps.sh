#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, tests and runs with, when any is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libsqlitecpp-dev libsqlite3-dev libcurl4-openssl-dev libssl-dev libboost-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  openssl curl xvfb xauth poppler-utils fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
