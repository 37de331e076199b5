#!/usr/bin/env bash
# The update walk over HTTPS, under Wine through WinINet, against the local test server speaking
# TLS with certificates made here by a test authority that trust_test_ca.exe puts into the root
# store of the test run's Wine prefix: a full walk arrives byte for byte; a certificate for another
# name, an expired one and one from an unknown authority each fail the first fetch, are logged with
# their reason and leave the library as it was; a redirect from https down to http fails without
# asking the http server; one from http up to https is followed to a complete walk.
set -uo pipefail
. "$(dirname "$0")/update_scenario.sh"

certs="$work/certs"
servers=()

stop_servers() {
  local pid
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
}
trap 'stop_servers; finish' EXIT

# authority NAME: a self-signed certificate authority NAME.pem with its key NAME.key.
authority() {
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout "$certs/$1.key" -out "$certs/$1.pem" -days 2 \
    -subj "/CN=Blockery test authority $1" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null || fail "openssl: authority $1"
}

# server_certificate NAME AUTHORITY DNS_NAME DAYS: NAME.pem and NAME.key for that name, signed by
# the authority; a negative number of days makes it expired since yesterday.
server_certificate() {
  openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout "$certs/$1.key" -out "$certs/$1.csr" -subj "/CN=$3" \
    2>/dev/null || fail "openssl: request $1"
  printf 'subjectAltName=DNS:%s\nextendedKeyUsage=serverAuth\n' "$3" >"$certs/$1.ext"
  openssl x509 -req -in "$certs/$1.csr" -CA "$certs/$2.pem" -CAkey "$certs/$2.key" -set_serial "$RANDOM$RANDOM" \
    -days "$4" -extfile "$certs/$1.ext" -out "$certs/$1.pem" 2>/dev/null || fail "openssl: sign $1"
}

# launch_tls NAME CERTIFICATE [server options]: a TLS server in the background; port_of NAME waits
# for its port. They start side by side, as each one's start-up is most of its cost.
launch_tls() {
  local name=$1 cert=$2
  shift 2
  python3 "$BLOCKERY_SOURCE/tests/server/blockery_test_server.py" --root "$work/server" --port 0 --lifetime 900 \
    --tls-cert "$certs/$cert.pem" --tls-key "$certs/$cert.key" "$@" >"$work/$name.port" 2>/dev/null &
  servers+=($!)
}

port_of() {
  local i port
  for i in $(seq 1 300); do
    port=$(head -1 "$work/$1.port" 2>/dev/null)
    [ -n "$port" ] && echo "$port" && return 0
    sleep 0.05
  done
  fail "the TLS server $1 did not start"
}

point_at() { printf '[Server]\r\nBaseUrl=%s\r\n' "$1" >"$work/program/Blockery.ini"; }

# run_update DATA_ROOT: the stand-in on a fresh copy of the template, its "更新" button pressed.
run_update() {
  cp -r "$template" "$1"
  start_driver "$1"
  wait_shown
  click gallery.update
  wait_opened update 1
}

# arrived_whole DATA_ROOT: the column list and its three blocks equal the server's copies.
arrived_whole() {
  local folder="$1/02_结构/01_柱" id name
  same_as_server "$folder/FileList.xml" "$(item_list "$columns")" || fail "$2: item list differs from the server's"
  for id in $(item_ids "$columns"); do
    name=$(grep -A1 "id=\"$id\"" "$work/server$(item_list "$columns")" | sed -n 's/.*<Name>\(.*\)<\/Name>.*/\1/p')
    same_as_server "$folder/$name" "$columns/$id.dwg" || fail "$2: block $name differs"
  done
  no_temporaries "$1"
}

# refused DATA_ROOT CASE REASON: the walk failed at once, logged REASON, and left the library alone
# (the user list, which the gallery writes itself, aside).
refused() {
  wait_for_status "没有下载到当前更新文件" 300
  log_lines | grep -q "^trace .*$3" || fail "$2: no failure logged with '$3'"
  diff -r -x UserBlock.xml "$template" "$1" >&2 || fail "$2: the library changed"
  stop_driver
  echo "$2: refused, logged '$(log_lines | grep -m1 "^trace .*$3" | cut -d' ' -f4-)'"
}

prepare_library
template="$work/template"
make_structure_root "$template"
columns=$(served_folder 02_结构/01_柱)
mkdir -p "$certs"
authority trusted
authority stranger
server_certificate good trusted localhost 2
server_certificate other-name trusted elsewhere.test 2
server_certificate expired trusted localhost -1
server_certificate unknown stranger localhost 2
cat "$certs/stranger.pem" >>"$certs/unknown.pem"  # the whole chain, up to a root the prefix does not know
openssl x509 -in "$certs/trusted.pem" -outform der -out "$certs/ca.der" || fail "openssl: der"
wine "$BLOCKERY_BUILD/trust_test_ca.exe" "$(windows_path "$certs/ca.der")" || fail "trust_test_ca"

start_server
for name in good other-name expired unknown; do launch_tls "$name" "$name"; done
launch_tls down good --fault redirect --redirect-to "http://127.0.0.1:$server_port"

# A full walk over HTTPS.
point_at "https://localhost:$(port_of good)"
run_update "$work/data-good"
wait_for_status "更新完成， 共下载  3 个图块" 300
arrived_whole "$work/data-good" https
stop_driver
echo "https: complete and byte-identical"

# Certificates that do not hold.
for case in other-name:"for another name" expired:"has expired" unknown:"unknown issuer"; do
  name=${case%%:*}
  point_at "https://localhost:$(port_of "$name")"
  run_update "$work/data-$name"
  refused "$work/data-$name" "$name" "${case#*:}"
done

# Down from https to http: refused before the http server is asked anything.
point_at "https://localhost:$(port_of down)"
run_update "$work/data-down"
refused "$work/data-down" "redirect https to http" "refused, it leads to http://127.0.0.1:$server_port/"
[ -z "$(server_get /__requests)" ] || fail "the http server was asked: $(server_get /__requests)"

# Up from http to https: followed.
server_get "/__fault?clear=1&mode=redirect&to=https://localhost:$(port_of good)" >/dev/null
point_at "http://127.0.0.1:$server_port"
run_update "$work/data-up"
wait_for_status "更新完成， 共下载  3 个图块" 300
arrived_whole "$work/data-up" "redirect http to https"
server_get /__requests | grep -q "$columns/$(item_ids "$columns" | tail -1).dwg	redirect	302" || fail "the blocks were not redirected"
stop_driver
echo "redirect http to https: followed, byte-identical"
echo "PASS"
