#!/bin/sh
# Runs a Windows program of the build under Wine, in the test prefix's environment.
set -eu
. "$(dirname "$0")/wine-env.sh"
exec "$PW_WINE" "$@"
