# shellcheck shell=bash
# Sourced first by every script that builds: strict mode, the repository's top as the
# working folder ($root), the Wine helpers, and what building and testing need installed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
bash scripts/install.sh
