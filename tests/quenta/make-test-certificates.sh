#!/bin/sh
# Makes a throw-away certificate authority and two server certificates signed
# by it, for the https tests: one for 127.0.0.1 and localhost, one for another
# host name only. Usage: make-test-certificates.sh OUTPUT_FOLDER
set -eu
out="$1"
mkdir -p "$out"
cd "$out"
openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=Quenta Test Authority" \
  -keyout ca.key -out ca.pem 2>/dev/null
for name in server other; do
  if [ "$name" = server ]; then san="IP:127.0.0.1,DNS:localhost"; cn=127.0.0.1
  else san="DNS:other.example.test"; cn=other.example.test; fi
  openssl req -newkey rsa:2048 -nodes -subj "/CN=$cn" -keyout "$name.key" -out "$name.csr" 2>/dev/null
  printf 'subjectAltName=%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' "$san" > "$name.ext"
  openssl x509 -req -in "$name.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -days 3650 \
    -extfile "$name.ext" -out "$name.pem" 2>/dev/null
done
