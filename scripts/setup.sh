# Sourced by ./run and ./test: installs what a fresh Debian 12 machine lacks, configures and builds.
set -euo pipefail

ZEP_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libxlsxwriter-dev liborcus-dev libixion-dev libboost-dev libfreexl-dev libjpeg-dev
  libgtest-dev libbenchmark-dev clang clang-format-14
  coinor-libcbc-dev
  libclang-rt-14-dev llvm-14
  xvfb xauth poppler-utils fonts-dejavu-core
  qt6-translations-l10n
)

zep_missing_packages() {
  local missing=()
  for p in "${ZEP_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

zep_install() {
  local missing
  missing=$(zep_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

zep_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j "$jobs"
}

zep_install
zep_build
