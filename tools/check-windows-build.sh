#!/usr/bin/env bash
# Compiles and links the Windows-only code of zorvat_platform (machine identity through WMI,
# NetBIOS and Windows Sockets; known folders; the ANSI settings file) with the MinGW-w64 cross
# compiler, together with a small probe program. Exits non-zero when anything fails.
set -euo pipefail

kok="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
derleyici="${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}"
if ! command -v "$derleyici" >/dev/null; then
  echo "check-windows-build: $derleyici bulunamadı (paket g++-mingw-w64-x86-64-posix)" >&2
  exit 1
fi

is=$(mktemp -d)
trap 'rm -rf "$is"' EXIT

# The build constants with their default values, as CMake's configure_file would write them.
mkdir -p "$is/generated"
sabitler=$(sed -n 's/^set(\(ZORVAT_[A-Z0-9_]*\) "\([^"]*\)" CACHE.*/\1=\2/p' "$kok/cmake/BuildConstants.cmake")
cp "$kok/cmake/zorvat_config.h.in" "$is/generated/zorvat_config.h"
while IFS='=' read -r ad deger; do
  sed -i "s|@${ad}@|${deger}|g" "$is/generated/zorvat_config.h"
done <<< "$sabitler"
if grep -q '@[A-Z0-9_]*@' "$is/generated/zorvat_config.h"; then
  echo "check-windows-build: değeri bulunmayan yapı sabiti:" >&2
  grep -o '@[A-Z0-9_]*@' "$is/generated/zorvat_config.h" >&2
  exit 1
fi

cat > "$is/yoklama.cpp" <<'CPP'
// Calls every function of the Windows build once, so that all of them must link.
#include <cstdio>

#include "net/klasorler.h"
#include "session/ayar_dosyasi.h"
#include "session/kimlik.h"

int main() {
  std::printf("%s %s %s %s\n", zorvat::BilgisayarAdiAl().c_str(), zorvat::WindowsKullaniciAl().c_str(),
              zorvat::IcIpAl().c_str(), zorvat::BilgisayarIdAl().c_str());
  const auto ayar = zorvat::AyarDosyasiOku();
  if (ayar) zorvat::AyarDosyasiYaz(*ayar);
  std::printf("%s %s\n", zorvat::BelgelerKlasoru().string().c_str(),
              zorvat::ChromeYoluBul().string().c_str());
}
CPP

kaynaklar=(
  "$kok/session/kimlik.cpp"
  "$kok/session/kimlik_windows.cpp"
  "$kok/session/ayar_dosyasi.cpp"
  "$kok/net/klasorler.cpp"
  "$is/yoklama.cpp"
)
"$derleyici" -std=c++20 -Wall -Wextra -Wpedantic -Werror \
  -I"$kok" -I"$is/generated" \
  "${kaynaklar[@]}" \
  -static -o "$is/yoklama.exe" \
  -lole32 -loleaut32 -lnetapi32 -lws2_32 -lshell32 -luuid

echo "check-windows-build: Windows derlemesi ve bağlama başarılı"
