#!/usr/bin/env bash
# A throwaway MariaDB server for the database tests, on 127.0.0.1 with its
# own data folder and a free port.
#   mariadb_server.sh start DIR   initialise, start, create the accounts
#   mariadb_server.sh stop DIR    shut it down and remove the data
#   mariadb_server.sh halt DIR    shut it down, keeping the data
#   mariadb_server.sh resume DIR  start a halted server again on its port
# The tests find the port and the accounts in DIR/env.
set -euo pipefail
action=$1
dir=$2

admin() { mariadb --no-defaults --socket="$dir/sock" -uroot "$@"; }

stop() {
  if [ -S "$dir/sock" ]; then
    mariadb-admin --no-defaults --socket="$dir/sock" -uroot shutdown 2>/dev/null || true
  fi
  if [ -f "$dir/pid" ]; then
    pid=$(cat "$dir/pid")
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
}

# A port nobody answers on; the server start below still fails cleanly if
# another process takes it in between, and then the next port is tried.
free_port() {
  local p
  while :; do
    p=$((20000 + RANDOM % 30000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
      echo "$p"
      return
    fi
  done
}

# Starts the server on port $1 and waits until it answers; false if it
# does not come up.
run_server() {
  mariadbd --no-defaults --user=root --datadir="$dir/data" --socket="$dir/sock" \
    --port="$1" --bind-address=127.0.0.1 --pid-file="$dir/pid" \
    --log-error="$dir/err.log" --skip-name-resolve --innodb-buffer-pool-size=64M \
    --innodb-flush-log-at-trx-commit=0 --innodb-doublewrite=0 --skip-log-bin \
    --sql-mode=STRICT_ALL_TABLES </dev/null >/dev/null 2>&1 &
  local server=$!
  for _ in $(seq 300); do
    if mariadb-admin --no-defaults --socket="$dir/sock" -uroot ping >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  return 1
}

halt() {
  mariadb-admin --no-defaults --socket="$dir/sock" -uroot shutdown
  local pid
  pid=$(cat "$dir/pid" 2>/dev/null || true)
  for _ in $(seq 100); do
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
}

resume() {
  run_server "$(sed -n 's/^port=//p' "$dir/env")"
}

start() {
  stop
  mkdir -p "$dir"
  mariadb-install-db --no-defaults --datadir="$dir/data" --user=root \
    --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1
  for _ in 1 2 3 4 5; do
    port=$(free_port)
    if run_server "$port"; then break; fi
  done
  mariadb-admin --no-defaults --socket="$dir/sock" -uroot ping >/dev/null

  # The tests' own administrator creates a database per test case; the
  # program's account gets its rights from the grant script, per database.
  admin <<SQL
CREATE USER 'aerotrace_admin'@'%' IDENTIFIED BY 'admin-pw';
GRANT ALL PRIVILEGES ON *.* TO 'aerotrace_admin'@'%' WITH GRANT OPTION;
CREATE USER 'aerotrace'@'%' IDENTIFIED BY 'app-pw';
SQL
  cat >"$dir/env" <<ENV
port=$port
admin_user=aerotrace_admin
admin_password=admin-pw
app_user=aerotrace
app_password=app-pw
ENV
}

case "$action" in
  start) start ;;
  stop) stop ;;
  halt) halt ;;
  resume) resume ;;
  *) echo "usage: $0 start|stop|halt|resume DIR" >&2; exit 2 ;;
esac
