#!/usr/bin/env bash
# kestrilon-rankd as an operator runs it: a free port, one request, SIGTERM, a clean exit with
# its totals in the log; and the refusals of bad options and an unusable database.
set -euo pipefail
rankd=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$rankd" --port 0 --database "$dir/rank.db" --rate 0 2>"$dir/log" &
pid=$!
for _ in $(seq 100); do
  grep -q "listening on" "$dir/log" && break
  sleep 0.05
done
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\),.*/\1/p' "$dir/log")
[ -n "$port" ] || { echo "no port in the log:"; cat "$dir/log"; kill "$pid"; exit 1; }
status=$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$port/vesk/vesk_rank.exe?read&1")
[ "$status" = 200 ] || { echo "read answered $status"; kill "$pid"; exit 1; }
kill -TERM "$pid"
wait "$pid" || { echo "exit status $? after SIGTERM"; cat "$dir/log"; exit 1; }
grep -q "stopping on SIGTERM" "$dir/log"
grep -q "stopped: 0 writes, 1 reads, 0 rejected" "$dir/log" || { cat "$dir/log"; exit 1; }
[ -f "$dir/rank.db" ]

set +e
"$rankd" --port nope 2>/dev/null; [ $? -eq 2 ] || { echo "a bad option must exit with 2"; exit 1; }
"$rankd" --port 0 --database "$dir/no/such/folder/rank.db" 2>"$dir/log2"
[ $? -eq 1 ] && grep -q "cannot start" "$dir/log2" || { echo "an unusable database must exit with 1"; exit 1; }
echo ok
