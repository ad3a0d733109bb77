#!/bin/sh
# Runs the program against the simulated transponder of tests/sim instead of a real one:
#     sudo sh tools/run-sim.sh [1|2]      (1 KVX-T-362, the default; 2 T-275)
# The simulator answers on a pseudo-terminal, which the system's list of serial ports does not
# show. The program is therefore started as root in a private mount namespace where that
# pseudo-terminal is bind-mounted over /dev/ttyS0: there the program lists ttyS0, opens it and
# talks to the simulator. Nothing outside the namespace changes, and no product code knows the
# simulator. (The system must attach ttyS0 to the kernel's serial-base port driver, as Linux 6.5
# and later do; with older kernels Qt probes the 8250 chip behind ttyS0 and hides the port.)
set -e
cd "$(dirname "$0")/.."
model="${1:-1}"
if [ "$(id -u)" -ne 0 ]; then
    echo "$0: run it as root: it mounts over /dev/ttyS0 in a private mount namespace" >&2
    exit 1
fi
if [ ! -e /dev/ttyS0 ]; then
    echo "$0: there is no /dev/ttyS0 to stand in for" >&2
    exit 1
fi
jobs="$(nproc)"
sh tools/deps.sh
cmake --preset app
cmake --build --preset app -j"$jobs"
# The simulator lives with the tests: a release build of that one tool.
cmake -S . -B build/sim -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVORA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/sim --target sim_transponder -j"$jobs"

names="$(mktemp)"
build/sim/tests/sim/sim_transponder "$model" >"$names" &
simulator=$!
trap 'kill "$simulator" 2>/dev/null; rm -f "$names"' EXIT
trap 'exit 130' INT TERM
tries=0
while [ ! -s "$names" ] && [ "$tries" -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
pty="$(head -n 1 "$names")"
if [ -z "$pty" ]; then
    echo "$0: the simulated transponder gave no port" >&2
    exit 1
fi
echo "Simulated transponder on $pty; choose ttyS0 in the program and click Connect."
unshare --mount sh -c 'mount --make-rprivate / && mount --bind "$1" /dev/ttyS0 && exec "$2"' \
    sh "$pty" "$PWD/build/app/app/KelvoraAISClassBCfg"
