#!/bin/sh
# Installs what is missing (Debian 12), builds the program in release form (preset app) and starts
# it. The program takes no command-line options of its own.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
cmake --preset app
cmake --build --preset app -j"$(nproc)"
exec build/app/app/KelvoraAISClassBCfg
