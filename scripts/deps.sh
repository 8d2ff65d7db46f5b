#!/usr/bin/env bash
# Installs what the build, the tests and the program need, on Debian 12.
# Only missing packages are installed; nothing is downloaded at build time.
set -euo pipefail

PACKAGES=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  qt6-tools-dev qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
  qt6-l10n-tools qt6-translations-l10n
  desktop-file-utils libxml2-utils shared-mime-info
  libgl-dev
  xvfb xauth fonts-dejavu-core
  clang-14 libclang-rt-14-dev
  chromium firefox-esr nodejs npm
  ccache
  libgumbo-dev libfontconfig-dev libicu-dev libseccomp-dev libssl-dev libxxhash-dev
  qt6-webengine-dev libqt6webenginecore6-bin
  dpkg-dev lintian appstream
  libssh-dev openssh-server lighttpd lighttpd-mod-webdav lighttpd-mod-openssl apache2-utils qtkeychain-qt6-dev gnome-keyring dbus-x11
)

missing=()
for p in "${PACKAGES[@]}"; do
  # Some Node.js builds bring npm along (and conflict with Debian's npm):
  # a working command is enough for these.
  case "$p" in
    nodejs) command -v node >/dev/null 2>&1 && continue ;;
    npm) command -v npm >/dev/null 2>&1 && continue ;;
  esac
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# The browser test's node packages (puppeteer-core drives the system's
# Chromium and Firefox ESR; no browser is ever downloaded).
install_node_packages() {
  local dir
  dir="$(cd "$(dirname "$0")/.." && pwd)/tests/browser"
  # Again whenever the lock file is newer than what npm last installed.
  if [ ! -d "$dir/node_modules" ] || [ "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; then
    echo "Installing the browser test's node packages"
    (cd "$dir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  install_node_packages
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "Missing packages (${missing[*]}) and no root rights to install them." >&2
    exit 1
  fi
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
install_node_packages
