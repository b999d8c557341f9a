# Debian packages the scripts need, and a helper that installs only the missing ones.
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
                qt6-multimedia-dev libgl1-mesa-dev fonts-liberation)
TEST_PACKAGES=(xvfb xauth xdotool imagemagick openbox trayer)

install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
      || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
      "${missing[@]}"
  fi
}
