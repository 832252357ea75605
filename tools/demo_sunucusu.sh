# Shell functions shared by tools/run.sh and the end-to-end test: the demonstration database
# and the reference server in the background. Source it; it sets no options of its own.

# demo_veritabani_kur SUNUCU VERITABANI BILGISAYAR_ID KULLANICI [STOK_SAYISI]
# Fills the database with fresh demonstration data and registers the computer for the user.
demo_veritabani_kur() {
  "$1" --database "$2" --seed-demo "${5:-3000}" >/dev/null
  "$1" --database "$2" --register "$3" "$4" >/dev/null
}

# demo_sunucusu_baslat SUNUCU VERITABANI PORT WEB_PORTU GUNLUK
# Starts the server in the background (its process in SUNUCU_PID) and returns once it listens;
# 1 when it ended first (a port in use) or did not listen in time.
demo_sunucusu_baslat() {
  "$1" --database "$2" --port "$3" --web-port "$4" >"$5" 2>&1 &
  SUNUCU_PID=$!
  local deneme
  for deneme in $(seq 1 200); do
    if grep -q "dinleniyor" "$5"; then
      return 0
    fi
    if ! kill -0 "$SUNUCU_PID" 2>/dev/null; then
      wait "$SUNUCU_PID" 2>/dev/null || true
      SUNUCU_PID=
      return 1
    fi
    sleep 0.05
  done
  demo_sunucusu_durdur
  return 1
}

# Stops the server that demo_sunucusu_baslat started, if it still runs.
demo_sunucusu_durdur() {
  if [ -n "${SUNUCU_PID:-}" ]; then
    kill "$SUNUCU_PID" 2>/dev/null || true
    wait "$SUNUCU_PID" 2>/dev/null || true
    SUNUCU_PID=
  fi
}
