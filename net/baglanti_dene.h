// The connection test that runs before every remote call.
#pragma once

namespace zorvat {

class Connection;

inline constexpr const char* kBaglantiKurulamiyor = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

// Makes sure the connection is open: up to 11 attempts 500 ms apart, each failure shown
// with its own text in a plain message box that the user closes. With show flag 1 a final
// failure also shows kBaglantiKurulamiyor as an error; any other flag leaves that to the
// caller. True when the connection is open.
bool BaglantiDene(Connection& baglanti, int goster);

}  // namespace zorvat
