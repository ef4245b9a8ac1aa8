#!/usr/bin/env bash
# Runs a command against a fresh ranking server: kestrilon-rankd on a free loopback port with
# an empty database, named to the command by KESTRILON_RANK_SERVER, stopped afterwards.
#   with_rankd.sh RANKD COMMAND [ARGS...]
set -euo pipefail
rankd=$1
shift
dir=$(mktemp -d)
"$rankd" --port 0 --database "$dir/rank.db" --rate 0 2>"$dir/log" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
  grep -q "listening on" "$dir/log" && break
  sleep 0.05
done
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\),.*/\1/p' "$dir/log")
[ -n "$port" ] || { echo "the ranking server did not start:"; cat "$dir/log"; exit 1; }
KESTRILON_RANK_SERVER="http://127.0.0.1:$port" "$@"
