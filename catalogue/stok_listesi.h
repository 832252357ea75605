// The stock list page "Stok Listesi": the search typed into the main window's search box runs
// on the server in the background and its rows fill the list; a narrow window shows the
// prices in one cell; a double-click takes the part to the basket.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "catalogue/stok_ayrinti.h"
#include "remote/memtable.h"
#include "ui/state/controls.h"
#include "ui/state/grid_view.h"

namespace zorvat {

class Connection;
class TSonucBilgisi;

// The main window's parts that the page works with.
struct StokListesiCercevesi {
  Connection& bagc;
  const TSonucBilgisi& sbilgi;
  EditState& araedit;
  BusyAnimationState& gifstokara;
  PageControlState& sPageControl1;
};

class StokListesi {
 public:
  explicit StokListesi(StokListesiCercevesi cerceve);

  // Letter normalisation while typing; Enter starts a search.
  void araeditKeyPress(char32_t& key);
  // "Ara": a search, as Enter in the box, unless one runs.
  void SpeedButton2Click();
  // "Temizle": empties the list and the search box, unless a search runs.
  void SpeedButton1Click();
  void cxGrid1DBTableView1DblClick();
  void cxGrid1Resize();
  // The price columns or the price cell by the main window's width.
  void StokKolonAyarla();
  // The price cell of a row: list, campaign (when there is one), net and VAT-inclusive price.
  std::string FiyatBilgisi(std::size_t kayit) const;
  // After a customer change: an empty list captioned "0=Stok Listesi", ready for a search.
  void CariDegisti();

  MemTable stok;  // before its view, which lets go of it first
  GridView cxGrid1DBTableView1{"cxGrid1DBTableView1"};
  PopupMenuState popstok;

  // The width of the main window; the toolkit layer tells it.
  std::function<int()> anaPencereGenisligi = [] { return 0; };
  // Takes the part (the current record of the table) to the basket: the change dialog of
  // its line when it is there already, the add dialog otherwise.
  std::function<void(const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno)> SepeteGotur;

 private:
  void SutunlariKur();
  void MenuyuKur();
  void AramaBaslat();
  // The background part of a search: the remote call and the loading; true when it failed.
  bool StokListesiAl(const std::string& kod);
  void AramaBitti(bool hata);
  void BaslikYaz(std::string baslik);
  int FiyatHucresiGenisligi() const;

  StokListesiCercevesi c_;
};

}  // namespace zorvat
