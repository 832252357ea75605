// The basket page "Sepet": the account's basket as the server keeps it, the ticks that
// choose the lines of the next order, the totals of the ticked lines and the overdue-account
// warning; changing and deleting lines, sending the order and saving the basket as a
// spreadsheet. Every change is made on the server, then the whole basket is reloaded.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/sepete_ekle.h"
#include "catalogue/stok_ayrinti.h"
#include "remote/memtable.h"
#include "ui/state/controls.h"
#include "ui/state/grid_view.h"

namespace zorvat {

class Connection;
class TSonucBilgisi;

// The main window's parts that the page works with.
struct SepetCercevesi {
  Connection& bagc;
  const TSonucBilgisi& sbilgi;
  EditState& araedit;
  BusyAnimationState& gifsepet;
  PageControlState& sPageControl1;
};

// The sums of the ticked lines, each rounded to two decimals after every addition.
struct SepetToplami {
  double toplam = 0;
  double indirim = 0;
  double araToplam = 0;
  double vergi = 0;
  double genelToplam = 0;
};

SepetToplami SepetToplamiHesapla(const MemTable& sepet);

class Sepet {
 public:
  explicit Sepet(SepetCercevesi cerceve);
  ~Sepet();

  // The page became visible: reloads the basket in the background and fetches the warning
  // on a thread of its own. Ignored while the previous load still runs.
  void ssepetShow();
  // Reloads the whole basket on the user-interface thread, with its caption and totals.
  void SepetiYenile();
  void SepetToplamYaz();
  void Button4Click();
  void Button5Click();
  void cxGrid2Resize();
  // A double-click or "Satır Değiştir": the tick of the line in the "Seç" column, the change
  // dialog of the line elsewhere.
  void Deitir1Click();
  void SatirDegistirAc(std::int32_t sirano);
  void SatrSil1Click();
  void HepsiniSil1Click();
  // "Gönder": the approval window, then the order.
  void Button1Click();
  // "Excel Kaydet".
  void Button2Click();
  // A part of a list goes to the basket: the change dialog of its first line when it is
  // there already, the add dialog otherwise.
  void ListedenAc(const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno);
  bool Yukleniyor() const { return yukleniyor_; }

  MemTable sepet;  // before its view, which lets go of it first
  GridView cxGridDBTableView1{"cxGridDBTableView1"};
  ControlState cxGrid2;
  PopupMenuState PopupMenu1;
  ButtonState Button4;
  ButtonState Button5;
  LabelState lbluyarbakiye;
  LabelState aratoplaml;
  LabelState indiriml;
  LabelState nettutarl;
  LabelState vergil;
  LabelState geneltoplaml;
  ButtonState Button1;
  ButtonState Button2;

  // The width of the screen; the toolkit layer tells it.
  std::function<int()> ekranGenisligi = [] { return 0; };

 private:
  struct SatirBilgisi;

  void SutunlariKur();
  void MenuyuKur();
  void DugmeleriKur();
  // Loads the server's basket into the table on the calling thread; false when the
  // connection test failed (it has shown its message).
  bool SepetiYukle();
  void SayfaYuklendi();
  void BaslikYaz();
  void CariBakiyeUyariBak();
  void HepsiniIsaretle(std::int32_t secim);
  // Ticks or unticks one line locally and on the server; a tick the server did not take is
  // undone, so that what is ticked here is what the server orders. False then.
  bool SecimDegistir(std::size_t satir, std::int32_t secim);
  bool SecimGonder(std::int32_t sirano, std::int32_t secim);
  std::int32_t SatirGuncelleGonder(const SatirBilgisi& satir, double miktar, double fiyat);
  bool SiparisGonder(std::int32_t KN, std::int32_t kt, const std::string& aciklama, std::int32_t td);
  // The focused line made the current record; nothing when no line is focused.
  std::optional<std::int32_t> OdaktakiSatir();
  SepetBaglami Baglam();

  SepetCercevesi c_;
  bool yukleniyor_ = false;
  bool yenidenYukle_ = false;
  // Lets go of the page for a warning that arrives after it has gone.
  std::shared_ptr<Sepet*> canli_;
};

}  // namespace zorvat
