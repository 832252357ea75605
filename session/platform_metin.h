// Small text helpers shared by the machine-facing code of this library.
#pragma once

#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zorvat::platform {

// Removes every character up to and including the space from both ends, control characters
// included, as the identity and settings values have always been trimmed.
inline std::string_view Kirp(std::string_view metin) {
  auto bosluk = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!metin.empty() && bosluk(metin.front())) metin.remove_prefix(1);
  while (!metin.empty() && bosluk(metin.back())) metin.remove_suffix(1);
  return metin;
}

#ifdef _WIN32
// The system reports texts in UTF-16; the rest of the client works in UTF-8.
inline std::string Utf8(std::wstring_view genis) {
  if (genis.empty()) return {};
  const int boy = WideCharToMultiByte(CP_UTF8, 0, genis.data(), static_cast<int>(genis.size()),
                                      nullptr, 0, nullptr, nullptr);
  std::string sonuc(static_cast<std::size_t>(boy), '\0');
  WideCharToMultiByte(CP_UTF8, 0, genis.data(), static_cast<int>(genis.size()), sonuc.data(), boy,
                      nullptr, nullptr);
  return sonuc;
}

// Decodes bytes of the given code page (CP_UTF8, CP_ACP) to UTF-16.
inline std::wstring Genis(std::string_view metin, UINT kodSayfasi = CP_UTF8) {
  if (metin.empty()) return {};
  const int boy = MultiByteToWideChar(kodSayfasi, 0, metin.data(), static_cast<int>(metin.size()),
                                      nullptr, 0);
  std::wstring sonuc(static_cast<std::size_t>(boy), L'\0');
  MultiByteToWideChar(kodSayfasi, 0, metin.data(), static_cast<int>(metin.size()), sonuc.data(),
                      boy);
  return sonuc;
}
#endif

}  // namespace zorvat::platform
