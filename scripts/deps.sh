# Installs the Debian packages the build needs, when any is missing.
# Sourced by scripts/run and scripts/test.
vozevu_packages="cmake make g++ qtbase5-dev qtbase5-dev-tools
qttools5-dev-tools libqt5network5 libbenchmark-dev fonts-dejavu-core"
# Only the tests need these: the reference EDID reader and the fuzzer runtime.
vozevu_test_packages="edid-decode python3 clang libclang-rt-14-dev"

vozevu_install_deps() {
  local missing=()
  for p in $vozevu_packages "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
