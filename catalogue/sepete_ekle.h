// Putting a part into the basket: the add-to-basket dialog filled from a list's current
// record, and the new line sent to the server.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "catalogue/stok_ayrinti.h"

namespace zorvat {

class Connection;
class MemTable;
class TSonucBilgisi;

// What the basket operations of the main window share: its connection, its session record
// and the reload of the whole basket.
struct SepetBaglami {
  Connection& bagc;
  const TSonucBilgisi& sbilgi;
  std::function<void()> SepetiYenile;
};

// The dialog filled for the part that is the current record of the list, with its picture
// from the server; the list decides the captions (campaign prices, the rate boxes).
std::unique_ptr<Tstokayarinti> SepeteEklePenceresi(const SepetBaglami& baglam, const MemTable& kaynak,
                                                   SepetKaynagi tur, std::int32_t stokno);

// Shows the filled dialog; on OK sends the line.
void SepeteEkleAc(const SepetBaglami& baglam, const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno);

// Sends the part (the current record of the list) as a new basket line; reloads the basket
// when the server added it.
void SatirEkleGonder(const SepetBaglami& baglam, const MemTable& kaynak, double miktar, double fiyat,
                     const std::array<double, 4>& oranlar);

}  // namespace zorvat
