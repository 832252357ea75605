#!/usr/bin/env bash
# The real programs end to end under Xvfb, as the run command starts them: the demonstration
# database with this computer registered for AHMET, the reference server in the background,
# and the client (its test build, whose hook plays the user). The login window appears, the
# login reaches the main window with the header filled; a search, the add dialog, a tick and
# the approval window send an order, which the server then holds with exactly the ticked
# line; the exit question answered "Evet" ends the client with exit code 0.
#
#   uctan_uca.sh SERVER ID_TOOL CLIENT
set -euo pipefail
sunucu="$1"
kimlik_araci="$2"
istemci="$3"
kok="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
# shellcheck source=tools/demo_sunucusu.sh
source "$kok/tools/demo_sunucusu.sh"

is=$(mktemp -d)
trap 'demo_sunucusu_durdur; rm -rf "$is"' EXIT
trap 'exit 130' INT TERM

if ! kimlik=$("$kimlik_araci"); then
  echo "this machine reports no computer ID: nothing to register, the test is skipped"
  exit 77
fi
demo_veritabani_kur "$sunucu" "$is/demo.db" "$kimlik" AHMET 300

# The test's own ports, so that a demonstration running on 9090 and 8080 stays undisturbed.
port=
for deneme in $(seq 1 20); do
  aday=$((20000 + RANDOM % 20000))
  if demo_sunucusu_baslat "$sunucu" "$is/demo.db" "$aday" "$((aday + 1))" "$is/sunucu.log"; then
    port=$aday
    break
  fi
done
if [ -z "$port" ]; then
  echo "the reference server did not start:"
  cat "$is/sunucu.log"
  exit 1
fi

mkdir -p "$is/ev"
set +e
env HOME="$is/ev" XDG_CONFIG_HOME="$is/ev/.config" XDG_DATA_HOME="$is/ev/.local/share" \
  ZORVAT_UCTAN_UCA_SUNUCU_PORTU="$port" ZORVAT_UCTAN_UCA_WEB_PORTU="$((port + 1))" \
  ZORVAT_UCTAN_UCA_KULLANICI=AHMET ZORVAT_UCTAN_UCA_SIFRE=1234 \
  timeout 150 xvfb-run -a -s "-screen 0 1600x900x24" "$istemci" >"$is/cikti.txt" 2>"$is/hatalar.txt"
kod=$?
set -e
cat "$is/cikti.txt"
if [ "$kod" -ne 0 ]; then
  echo "the client ended with exit code $kod:"
  cat "$is/hatalar.txt"
  exit 1
fi
for beklenen in \
  "giriş penceresi: Giriş" \
  "ana pencere: Zorvat Oto B2B Programı" \
  "Kullanıcı: AHMET" \
  "Firma: YILDIZ OTO YEDEK PARÇA LTD. ŞTİ." \
  "Temsilci: Murat Kaya Telefonu: 0532 411 27 35 email: murat.kaya@zorvatoto.com.tr" \
  "onay: Sipariş Onay" \
  "bilgi: Siparişiniz Gönderildi !" \
  "çıkış sorusu: Soru"; do
  if ! grep -qxF "$beklenen" "$is/cikti.txt"; then
    echo "missing from the client's run: $beklenen"
    exit 1
  fi
done
if ! grep -q "isim=AHMET" "$is/ev/.config/zorvatoto/ayar.ini"; then
  echo "the login did not write ayar.ini"
  exit 1
fi
# The order holds the ticked line and nothing else, and the line has left the basket.
satir=$(sed -n 's/^işaretli satır: //p' "$is/cikti.txt")
siparis=$(sqlite3 "$is/demo.db" "SELECT group_concat(ss.sepet_sirano) || '|' || s.aciklama FROM siparis s
  JOIN siparis_satir ss ON ss.idno = s.idno WHERE s.idno = (SELECT MAX(idno) FROM siparis)")
if [ "$siparis" != "$satir|Uçtan uca deneme" ]; then
  echo "the server holds the order '$siparis', not the ticked line $satir"
  exit 1
fi
if [ "$(sqlite3 "$is/demo.db" "SELECT COUNT(*) FROM sepet WHERE sirano = $satir")" != 0 ]; then
  echo "the ordered line $satir is still in the basket"
  exit 1
fi
echo "end to end: passed"
