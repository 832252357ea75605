// The approval window "Sipariş Onay": before an order is sent, the user picks a delivery
// state, a cargo type and a carrier and may write a note; the window shows who orders for
// whom, the amount and the overdue-account warning. It only collects the choices: the main
// window sends the order after OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "remote/memtable.h"
#include "session/sonuc_bilgisi.h"
#include "ui/state/controls.h"

namespace zorvat {

class Connection;

class TONAYSIP : public FormState {
 public:
  // Fills the window: the summary, the warning and the delivery states and cargo types
  // from the server. A server error escapes.
  TONAYSIP(Connection& _c, std::string mesaj, const TSonucBilgisi& _sbilgi, std::string _toplam);

  void TeslimKargoDoldur();
  void boxkargoClick();
  void KargolarDoldur();
  void kargocomboChange();
  // "Evet": checks the choices, sets td, kt and KN and closes with OK.
  void Button1Click();
  // "Hayır": closes with Cancel.
  void Button2Click();

  ChoiceState teslimbox;   // "Teslim Durumu"
  ChoiceState boxkargo;    // "Kargo Türleri"
  LabelState GroupBox1;    // "Kargo"
  ChoiceState kargocombo;  // a blank entry, then the carriers
  LabelState uyarikargo;
  LabelState GroupBox2;  // "Mesaj"
  MemoState aciklamagir;
  LabelState Label2;  // the summary
  LabelState Label3;  // the overdue-account warning
  LabelState Label1;  // the question
  ButtonState Button1;
  ButtonState Button2;
  MemTable kargo;

  Connection& bagc;
  const TSonucBilgisi& sbilgi;
  std::string toplam;
  std::int32_t td = 0;
  std::int32_t kt = 0;
  std::int32_t KN = 0;

 private:
  // Both groups without entries, keys or choice.
  void AnahtarliBosalt();
  // The blank entry, then the ADI of every loaded carrier; nothing chosen.
  void KargoListesiniDoldur();
  // The first row of `kargo` whose ADI is the name.
  std::optional<std::size_t> KargoSatiri(const std::string& adi) const;

  std::vector<std::int32_t> teslimAnahtarlari_;
  std::vector<std::int32_t> kargoAnahtarlari_;
};

}  // namespace zorvat
