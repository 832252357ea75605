// The customer selection window "Cari Seçimi": a sales representative finds the customer to
// act for, by free-text search or by the state of the customers' baskets and orders, sees
// the focused customer's card and takes the customer into the session record.
#pragma once

#include <array>
#include <string>

#include "remote/memtable.h"
#include "session/sonuc_bilgisi.h"
#include "ui/state/controls.h"
#include "ui/state/grid_view.h"

namespace zorvat {

class Connection;
class TServerMethods1Client;

class Tseccari : public FormState {
 public:
  // One line of the customer card: its fixed caption and the value of the focused row.
  static constexpr std::size_t kKartSatirSayisi = 15;
  static const std::array<const char*, kKartSatirSayisi> kKartBasliklari;

  // The opener's connection and the session record itself (choosing writes into it).
  Tseccari(Connection& bag, TSonucBilgisi& bilgim);

  // Counts of the status buttons; the opener calls both, in this order, before showing.
  void SepetSayisiYaz();
  void TusSonuclari();

  void CariListeAra();
  void CariSepetListele(int durum);
  // Takes the focused customer (a positive CARINO) and closes the window with OK.
  void CariSec();
  // "Vazgeç": the program ends.
  void Button2Click();
  void cxGrid1DBTableView1FocusedRecordChanged();

  EditState NEdit1;
  ButtonState sBitBtn2;
  ButtonState sepettus;
  ButtonState alinditus;
  ButtonState onaylanditus;
  ButtonState goruldutus;
  ButtonState parcalihazirlandi;
  ButtonState hazirlanditus;
  ButtonState sevktus;
  MemTable CARILER;  // before its view, which lets go of it first
  GridView cxGrid1DBTableView1{"cxGrid1DBTableView1"};
  LabelState GroupBox1;  // "Cari Bilgileri": the card, hidden while no row is focused
  std::array<LabelState, kKartSatirSayisi> kart;
  ButtonState Button1;
  ButtonState Button2;

 private:
  void SutunlariKur();
  void DugmeleriKur();
  void NEdit1KeyPress(char32_t& key);
  // Opens the connection, calls through a proxy made for the call, closes again.
  template <class Islem>
  auto Cagir(Islem&& islem);
  void Yuklendi();
  void AramaKutusunaDon();

  Connection& bag_;
  TSonucBilgisi& bilgim_;
};

// Counts the status buttons, shows the window modally and returns its modal result.
int CariSecimAc(Connection& bag, TSonucBilgisi& bilgim);

}  // namespace zorvat
