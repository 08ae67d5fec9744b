#!/usr/bin/env bash
# A MariaDB Galera cluster of three nodes on loopback, for tests:
#   scripts/galera-cluster.sh start DIR   three nodes with data under DIR; prints
#                                         the nodes' ports, "3306x,3306y,3306z"
#   scripts/galera-cluster.sh stop DIR    stops every node and removes DIR
#   scripts/galera-cluster.sh kill DIR N  kills node N (1-3) at once (kill -9)
# Ports: SQL KV_GALERA_PORT (default 23061) and the next two, group
# communication 24671-24673, state transfer 24441-24443, incremental state
# transfer 24681-24683. All lie below the kernel's range of ephemeral ports
# (32768 and up): a port from that range can be taken at random by any
# outgoing connection on the machine, the nodes' own among them, and a node
# then fails to start with "Address already in use". The empty database
# kvarnel is there; the account kvarnel / kvarnel may connect from loopback.
set -euo pipefail
cmd=${1:?start, stop or kill}
dir=${2:?folder}
base=${KV_GALERA_PORT:-23061}
provider=/usr/lib/galera/libgalera_smm.so
here=$(cd "$(dirname "$0")/.." && pwd)

node_port() { echo $((base + $1 - 1)); }
gcomm_port() { echo $((24670 + $1)); }

write_config() {
  local n=$1 peers=""
  for m in 1 2 3; do peers+="127.0.0.1:$(gcomm_port "$m"),"; done
  mkdir -p "$dir/node$n"
  cat >"$dir/node$n.cnf" <<CNF
[mariadbd]
datadir=$dir/node$n/data
socket=$dir/node$n/mariadbd.sock
pid-file=$dir/node$n/mariadbd.pid
log-error=$dir/node$n/error.log
tmpdir=$dir/node$n/tmp
bind-address=127.0.0.1
port=$(node_port "$n")
character-set-server=utf8mb4
collation-server=utf8mb4_danish_ci
default-storage-engine=InnoDB
innodb_autoinc_lock_mode=2
innodb_buffer_pool_size=64M
innodb_log_file_size=48M
innodb_flush_log_at_trx_commit=0
binlog_format=ROW
skip-name-resolve
wsrep_on=ON
wsrep_provider=$provider
wsrep_cluster_name=kvarnel_test
wsrep_cluster_address=gcomm://${peers%,}
wsrep_node_name=node$n
wsrep_node_address=127.0.0.1:$(gcomm_port "$n")
wsrep_node_incoming_address=127.0.0.1:$(node_port "$n")
wsrep_provider_options="gmcast.listen_addr=tcp://127.0.0.1:$(gcomm_port "$n");ist.recv_addr=127.0.0.1:$((24680 + n));gcache.size=32M;evs.suspect_timeout=PT3S;evs.inactive_timeout=PT6S;evs.install_timeout=PT4S"
wsrep_sst_method=rsync
wsrep_sst_receive_address=127.0.0.1:$((24440 + n))
wsrep_slave_threads=2
CNF
}

client() { mariadb --protocol=socket -S "$dir/node$1/mariadbd.sock" -uroot "${@:2}"; }

wait_synced() {
  local n=$1 i
  for i in $(seq 1 120); do
    if [ "$(client "$n" -N -e "SHOW STATUS LIKE 'wsrep_local_state_comment'" 2>/dev/null | cut -f2)" = "Synced" ]; then
      return 0
    fi
    sleep 0.5
  done
  echo "node $n did not join the cluster; its log:" >&2
  tail -40 "$dir/node$n/error.log" >&2
  return 1
}

# As root the nodes run as the system account mysql: a state transfer's
# rsync daemon started by root would switch to "nobody" and could not write.
run_user=()
if [ "$(id -u)" -eq 0 ]; then run_user=(--user=mysql); fi

start_node() {
  local n=$1; shift
  local user=("${run_user[@]}")
  mkdir -p "$dir/node$n/tmp"
  [ "$(id -u)" -eq 0 ] && chown -R mysql:mysql "$dir/node$n"
  mariadbd --defaults-file="$dir/node$n.cnf" "${user[@]}" "$@" >>"$dir/node$n/stdout.log" 2>&1 &
}

case "$cmd" in
start)
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  for n in 1 2 3; do write_config "$n"; done
  # Node 1 is made and bootstrapped alone, given the database and account,
  # and shut down cleanly; nodes 2 and 3 start from copies of its data, so
  # they join with the same state and no state transfer is needed.
  mkdir -p "$dir/node1/tmp"
  [ "$(id -u)" -eq 0 ] && chown -R mysql:mysql "$dir/node1" && chmod o+x "$dir"
  mariadb-install-db --defaults-file="$dir/node1.cnf" "${run_user[@]}" --auth-root-authentication-method=normal \
    --skip-test-db >"$dir/node1/install.log" 2>&1
  start_node 1 --wsrep-new-cluster
  wait_synced 1
  client 1 -e "CREATE DATABASE kvarnel CHARACTER SET utf8mb4 COLLATE utf8mb4_danish_ci;
    CREATE USER 'kvarnel'@'127.0.0.1' IDENTIFIED BY 'kvarnel'; CREATE USER 'kvarnel'@'localhost' IDENTIFIED BY 'kvarnel';
    GRANT ALL ON *.* TO 'kvarnel'@'127.0.0.1'; GRANT ALL ON *.* TO 'kvarnel'@'localhost';"
  kill "$(cat "$dir/node1/mariadbd.pid")"
  for _ in $(seq 1 120); do [ -f "$dir/node1/mariadbd.pid" ] || break; sleep 0.25; done
  for n in 2 3; do
    mkdir -p "$dir/node$n/tmp"
    cp -a "$dir/node1/data" "$dir/node$n/data"
    sed -i 's/^safe_to_bootstrap:.*/safe_to_bootstrap: 0/' "$dir/node$n/data/grastate.dat"
  done
  start_node 1 --wsrep-new-cluster
  wait_synced 1
  for n in 2 3; do start_node "$n"; done
  for n in 2 3; do wait_synced "$n"; done
  echo "$(node_port 1),$(node_port 2),$(node_port 3)"
  ;;
stop)
  [ -d "$dir" ] || exit 0
  for n in 3 2 1; do
    pidf="$dir/node$n/mariadbd.pid"
    if [ -f "$pidf" ]; then kill "$(cat "$pidf")" 2>/dev/null || true; fi
  done
  for n in 1 2 3; do
    pidf="$dir/node$n/mariadbd.pid"
    for _ in $(seq 1 60); do [ -f "$pidf" ] && kill -0 "$(cat "$pidf")" 2>/dev/null || break; sleep 0.5; done
    if [ -f "$pidf" ]; then kill -9 "$(cat "$pidf")" 2>/dev/null || true; fi
  done
  pkill -f "mariadbd --defaults-file=$dir/" 2>/dev/null || true
  rm -rf "$dir"
  ;;
kill)
  n=${3:?node}
  kill -9 "$(cat "$dir/node$n/mariadbd.pid")"
  ;;
*) echo "usage: $0 start|stop|kill DIR [N]" >&2; exit 2 ;;
esac
