#!/usr/bin/env bash
# Runs the product on this machine with the reference server and its demonstration data:
# installs what is missing (tools/setup.sh), builds the release preset, creates the
# demonstration database, registers this computer for a demonstration user, starts the
# reference server in the background (stopped again when the client ends) and starts the
# client. Log in with the user's name and the password 1234.
#
#   tools/run.sh           this computer logs in as the customer AHMET
#   tools/run.sh MURAT     ... as the sales representative MURAT (OZAN: with price rights)
#
# On a machine without a display, start it under Xvfb: xvfb-run -a tools/run.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

kullanici="${1:-AHMET}"
tools/setup.sh
cmake --preset release
cmake --build --preset release --target zorvatoto zorvatoto-server zorvat_bilgisayar_id

yapi=build/release
sunucu="$yapi/server/zorvatoto-server"
veritabani="$yapi/demo.db"
kimlik=$("$yapi/app/zorvat_bilgisayar_id")
# shellcheck source=tools/demo_sunucusu.sh
source tools/demo_sunucusu.sh
demo_veritabani_kur "$sunucu" "$veritabani" "$kimlik" "$kullanici"
trap demo_sunucusu_durdur EXIT
trap 'exit 130' INT TERM
if ! demo_sunucusu_baslat "$sunucu" "$veritabani" 9090 8080 "$yapi/demo-sunucu.log"; then
  echo "run: the reference server did not start (are ports 9090 and 8080 free?):" >&2
  cat "$yapi/demo-sunucu.log" >&2
  exit 1
fi
echo "run: this computer ($kimlik) logs in as $kullanici, password 1234"
"$yapi/app/zorvatoto"
