#!/usr/bin/env bash
# Builds and starts the authoring edition on the bundled sample documents.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec build/bin/brettwerk-autor "$PWD/samples/" "$@"
