#!/usr/bin/env bash
# Workstations spread over a three-node Galera cluster: separate kvarnel-admin
# processes on different nodes create, deliver, approve and bill at once, and
# one node is killed in the middle of a run.
#   galera_test.sh KVARNEL-ADMIN WORKDIR
# Starts the cluster in WORKDIR/cluster and stops it again, whatever happens.
set -uo pipefail
A=$1
work=$2
here=$(cd "$(dirname "$0")/../.." && pwd)
cluster=$work/cluster
rm -rf "$work"; mkdir -p "$work/home" "$work/out"
export APPDATA=$work/home
trap '"$here/scripts/galera-cluster.sh" stop "$cluster" >/dev/null 2>&1' EXIT

passed=0 failed=0
check() {  # check "what" condition-result(0/1)
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); echo "ok   $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}

# A cluster that fails to come up (a node's port briefly taken by something
# else on the machine) is stopped and started once more before giving up.
ports=$("$here/scripts/galera-cluster.sh" start "$cluster") || {
  echo "cluster did not start; stopping it and trying once more"
  "$here/scripts/galera-cluster.sh" stop "$cluster" >/dev/null 2>&1
  ports=$("$here/scripts/galera-cluster.sh" start "$cluster") || { echo "cluster did not start"; exit 1; }
}
IFS=, read -r p1 p2 p3 <<<"$ports"
port() { case $1 in 1) echo "$p1" ;; 2) echo "$p2" ;; 3) echo "$p3" ;; esac; }
# Every node first, then the other two: a workstation's own list of servers.
servers() {
  case $1 in
  1) echo "127.0.0.1:$p1,127.0.0.1:$p2,127.0.0.1:$p3" ;;
  2) echo "127.0.0.1:$p2,127.0.0.1:$p3,127.0.0.1:$p1" ;;
  3) echo "127.0.0.1:$p3,127.0.0.1:$p1,127.0.0.1:$p2" ;;
  esac
}
conn() { echo "--host $(servers "$1") --user kvarnel --password kvarnel --database kvarnel"; }
sql() { mariadb -h127.0.0.1 -P"$(port "${2:-1}")" -ukvarnel -pkvarnel -N -B kvarnel -e "SET SESSION wsrep_sync_wait=1; $1"; }
# A command's messages must be Norwegian: never the server's own text.
server_text() { grep -hE "Deadlock|WSREP|Lock wait|try restarting|Lost connection|gone away" "$@" >/dev/null; }

# shellcheck disable=SC2046
"$A" create-database $(conn 1) --demo >"$work/out/create.txt" 2>&1
check "schema and demo company created on the cluster" $?
sql "SELECT COUNT(*) FROM information_schema.tables t WHERE t.table_schema='kvarnel' AND (t.engine<>'InnoDB' OR NOT EXISTS
     (SELECT 1 FROM information_schema.statistics s WHERE s.table_schema=t.table_schema AND s.table_name=t.table_name AND s.index_name='PRIMARY'))" >"$work/out/nopk.txt"
check "every table InnoDB with a primary key" "$([ "$(cat "$work/out/nopk.txt")" = 0 ]; echo $?)"
# New documents take their numbers inside their own insert on every node.
for n in 1 2 3; do
  sql "SELECT COUNT(*) FROM information_schema.routines WHERE routine_schema='kvarnel' AND routine_name='kv_take_docnumber'" "$n" >"$work/out/numberfn.$n.txt"
  check "the numbering function is on node $n" "$([ "$(cat "$work/out/numberfn.$n.txt")" = 1 ]; echo $?)"
done

# Nine workstations, three on each node, each making COUNT orders with the
# subject "PREFIX node workstation number"; messages go to out/NAME.*.err.
make_orders() {
  local prefix=$1 count=$2 name=$3 n w i
  for n in 1 2 3; do
    for w in 1 2 3; do
      (
        for i in $(seq 1 "$count"); do
          # shellcheck disable=SC2046
          "$A" row insert orders companyid=1 "subject=$prefix $n $w $i" $(conn "$n") --login demo >/dev/null \
            2>>"$work/out/$name.$n.$w.err" || echo "failed" >>"$work/out/$name.$n.$w.err"
        done
      ) &
    done
  done
  wait
}

# 1. Numbers: 9 processes, 3 on each node, 15 orders each.
make_orders "Node" 15 numbers
read -r total distinct <<<"$(sql "SELECT COUNT(*), COUNT(DISTINCT ordernumber) FROM orders WHERE subject LIKE 'Node %'")"
echo "     orders: $total, distinct numbers: $distinct"
check "135 orders from 9 workstations on 3 nodes" "$([ "$total" = 135 ]; echo $?)"
check "every order number unique" "$([ "$total" = "$distinct" ]; echo $?)"
check "no server text reached the user while numbering" "$(! server_text "$work"/out/numbers.*.err; echo $?)"

# 2. Deliveries of orders sharing products, started on different nodes at once.
codes="100101 100102 100103"
before=$(sql "SELECT SUM(instock) FROM product WHERE productcode IN ('100101','100102','100103')")
orders=()
for k in 1 2 3 4 5 6; do
  # shellcheck disable=SC2046
  num=$("$A" row insert orders companyid=1 "subject=Levering $k" $(conn 1) --login demo | sed -n 's/.*"ordernumber":"\([0-9]*\)".*/\1/p')
  id=$(sql "SELECT id FROM orders WHERE ordernumber='$num'")
  for c in $codes; do
    # shellcheck disable=SC2046
    "$A" row insert items "orderid=$id" "productcode=$c" itemcount=2 $(conn 1) --login demo >/dev/null
  done
  orders+=("$num")
done
k=0
for num in "${orders[@]}"; do
  k=$((k + 1)); n=$(( (k - 1) % 3 + 1 ))
  # shellcheck disable=SC2046
  ( "$A" document deliver "$num" $(conn "$n") --login demo >/dev/null 2>"$work/out/deliver.$k.err" || echo "failed" >>"$work/out/deliver.$k.err" ) &
done
wait
after=$(sql "SELECT SUM(instock) FROM product WHERE productcode IN ('100101','100102','100103')")
echo "     stock before $before, after $after"
check "6 deliveries on 3 nodes at once take 36 out of stock, once" "$([ "$(echo "$before - $after" | bc)" = 36 ]; echo $?)"
check "every delivery succeeded" "$(! grep -l failed "$work"/out/deliver.*.err >/dev/null 2>&1; echo $?)"
check "no server text reached the user while delivering" "$(! server_text "$work"/out/deliver.*.err; echo $?)"

# 3. One invoice approved from all three nodes at once: one posting.
# shellcheck disable=SC2046
inv=$("$A" row insert invoice companyid=1 subject=Godkjenning $(conn 1) --login demo | sed -n 's/.*"ordernumber":"\([0-9]*\)".*/\1/p')
invid=$(sql "SELECT id FROM invoice WHERE ordernumber='$inv'")
# shellcheck disable=SC2046
"$A" row insert items "invoiceid=$invid" productcode=100105 itemcount=10 $(conn 1) --login demo >/dev/null
for n in 1 2 3 1 2 3; do
  # shellcheck disable=SC2046
  ( "$A" document post-invoice "$inv" $(conn "$n") --login demo >/dev/null 2>>"$work/out/post.$n.err"; echo $? >>"$work/out/post.status" ) &
done
wait
postings=$(sql "SELECT COUNT(*) FROM entries WHERE invoiceno='$inv'")
ok=$(grep -c '^0$' "$work/out/post.status")
echo "     approvals that succeeded: $ok, postings: $postings"
check "one approval succeeds" "$([ "$ok" = 1 ]; echo $?)"
check "the invoice is posted once" "$([ "$postings" = 1 ]; echo $?)"
check "no server text reached the user while approving" "$(! server_text "$work"/out/post.*.err; echo $?)"

# 4. Billable hours moved into an order from three nodes at once: once.
sql "INSERT INTO calendar (subject, status, timetype, hours, external_company, projectid, time_from, time_to)
     VALUES ('Timer galera', 20, 1, 3, 2, 0, NOW(), NOW())" >/dev/null
# shellcheck disable=SC2046
hnum=$("$A" row insert orders companyid=2 subject=Timer $(conn 1) --login demo | sed -n 's/.*"ordernumber":"\([0-9]*\)".*/\1/p')
for n in 1 2 3; do
  # shellcheck disable=SC2046
  ( "$A" document hours-to-order "$hnum" $(conn "$n") --login demo >/dev/null 2>>"$work/out/hours.$n.err" ) &
done
wait
lines=$(sql "SELECT COUNT(*) FROM items WHERE producttext='Timer galera'")
echo "     hour lines: $lines"
check "hours moved into the order once" "$([ "$lines" = 1 ]; echo $?)"
check "no server text reached the user while billing hours" "$(! server_text "$work"/out/hours.*.err; echo $?)"

# 5. A node killed while nine workstations create orders: the others carry
# on, the workstations on it move to the next server, numbers stay unique.
sql "DELETE FROM orders WHERE subject LIKE 'Kill %'" >/dev/null
make_orders "Kill" 20 kill &
sleep 3
"$here/scripts/galera-cluster.sh" kill "$cluster" 1
wait
read -r total distinct <<<"$(sql "SELECT COUNT(*), COUNT(DISTINCT ordernumber) FROM orders WHERE subject LIKE 'Kill %'" 2)"
fails=$(cat "$work"/out/kill.*.err 2>/dev/null | grep -c failed)
echo "     with node 1 killed: $total orders, $distinct distinct numbers, $fails commands failed"
check "order numbers unique with a node killed" "$([ "$total" = "$distinct" ]; echo $?)"
# A command whose write was under way on the killed node may say it failed
# (its write is not run again blindly); every other one moved on and made
# its order.
check "every command made its order or said why, with a node killed" "$([ "$total" -le 180 ] && [ $((total + fails)) -ge 180 ]; echo $?)"
check "no server text reached the user with a node killed" "$(! server_text "$work"/out/kill.*.err; echo $?)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
