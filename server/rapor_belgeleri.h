// The report documents of the customer list, rendered as PDF files, and the state of an
// account on a given day that they show.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "server/database.h"
#include "server/hesap.h"

namespace zorvat::server {

// A statement movement as the reports weigh it; days are day serials.
struct CariHareket {
  double tarih = 0;
  double borc = 0;
  double alacak = 0;
  double vade = 0;  // the day a debit falls due
};

// An account at the end of a day: the totals of its movements up to then, and the debits
// still unpaid after their due date when the credits up to then pay the debits in the order
// they fall due. Movements after the day count for nothing, so a report for a past day
// shows what was overdue on that day.
struct HesapOzeti {
  double borc = 0;
  double alacak = 0;
  double bakiye = 0;  // borc - alacak
  double vadesiGecmis = 0;
  int enEskiGun = 0;  // days since the oldest unpaid debit fell due
};
HesapOzeti HesapOzetiBul(std::span<const CariHareket> hareketler, double gun);

// "Cari Özeti": the account's card, its state at the end of the day and its movements up
// to then. Throws MethodError for a day outside the calendar.
std::string CariOzetiBelgesi(Database& db, std::int64_t carino, double gun);

// "Cari Toplu Alacak Vadeleri": every account the user may act for that has a balance at
// the end of the day, with its overdue debits, and the totals.
std::string TopluVadeBelgesi(Database& db, const Kullanici& kullanici, double gun);

// "Cari Alış Satış Tablosu (Satıcılı)": the account's invoices from the first day to the
// last, with sales and returns totalled by representative.
std::string AlisSatisBelgesi(Database& db, std::int64_t carino, double ilkGun, double sonGun);

}  // namespace zorvat::server
