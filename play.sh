#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
install_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVIK_APP=ON >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/bin/zelvik ]; then
  exec build/bin/zelvik "$@"
fi
echo "The desktop program is not built yet; here is a short game in the headless driver."
exec build/bin/zelvik-script --check --dir "$(mktemp -d)" tests/scenarios/first_start.zs
