// Who acts for which account, and what an account owes: shared by the methods of the
// basket, the orders, the customer selection and the statement.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "server/database.h"

namespace zorvat::server {

struct Kullanici {
  std::int64_t sirano = 0;
  int tur = 0;
  bool aktif = false;
  std::int64_t carino = 0;    // a customer user's account; 0 for a representative
  std::int64_t saticiNo = 0;  // a representative's number; 0 for a customer user

  bool Satici() const { return tur == 1 || tur == 2; }
};

std::optional<Kullanici> KullaniciBul(Database& db, std::int64_t sirano);

bool CariVar(Database& db, std::int64_t carino);

// A representative acts for the customers whose representative he is, a customer user
// for his own account; an inactive user for none. Throws MethodError with a message for
// the user when the account exists but is not his.
void HesapYetkisiniDogrula(Database& db, const Kullanici& kullanici, std::int64_t carino);

// The accounts a user sees: a representative those whose representative he is, a customer
// user his own, an unknown or inactive user none. On a customer row `c` of SQL:
// (c.satici_no = saticiNo OR c.carino = carino).
struct Gorunurluk {
  std::int64_t saticiNo = -1;
  std::int64_t carino = -1;
};
Gorunurluk GorunurlukBul(const std::optional<Kullanici>& kullanici);

// Now, as a day serial in the server's local time.
double Simdi(Database& db);

struct CariBakiye {
  double borc = 0;
  double alacak = 0;
  double bakiye = 0;  // borc - alacak
};
CariBakiye BakiyeBul(Database& db, std::int64_t carino);

// The debits still unpaid after today's due date, when the account's credits pay its
// debits in the order they fall due.
struct Gecikme {
  double tutar = 0;
  int enEskiGun = 0;  // days since the oldest unpaid debit fell due
};
Gecikme GecikmeBul(Database& db, std::int64_t carino, double bugun);

// A debit and the day it falls due.
struct VadeliBorc {
  double tutar = 0;
  double vade = 0;
};

// What stays unpaid after its due date on the day `gun` when `odenen` pays the debits in the
// order given (the order they fall due).
Gecikme VadesiGecenler(std::span<const VadeliBorc> borclar, double odenen, double gun);

}  // namespace zorvat::server
