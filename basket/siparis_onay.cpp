#include "basket/siparis_onay.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "net/dialogs.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "remote/proxim.h"
#include "remote/table_codec.h"

namespace zorvat {

namespace {

constexpr const char* kOnaySorusu = "Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?";
// The entry of the carrier list that stands for "no carrier chosen yet".
constexpr const char* kBosKargo = " ";

// The labels are padded so that the values line up in the fixed-pitch font.
std::string Ozet(const TSonucBilgisi& sbilgi, const std::string& toplam) {
  return "Kullanıcı: " + sbilgi.ADI() + "\r\n" + "Cari     : " + sbilgi.CariAdi() + "\r\n" + "Tutar    : " + toplam;
}

void Uyar(const char* metin) { MesajGoster(metin, kUyari, {MsgDlgBtn::OK}, MsgDlgBtn::OK); }

TableReader& Tablo(TableReader* okuyucu, const char* ne) {
  if (okuyucu == nullptr) throw std::runtime_error(std::string("Sunucu ") + ne + " göndermedi");
  return *okuyucu;
}

// Fills an emptied radio group with the rows of a key-and-name result: column 0 the key,
// column 1 the name.
void AnahtarliDoldur(TableReader& tablo, ChoiceState& grup, std::vector<std::int32_t>& anahtarlar) {
  std::vector<std::string> adlar;
  std::vector<std::int32_t> yeniAnahtarlar;
  while (tablo.Next()) {
    yeniAnahtarlar.push_back(tablo.Value(0).AsInteger());
    adlar.push_back(tablo.Value(1).AsString());
  }
  grup.SetItems(std::move(adlar));
  anahtarlar = std::move(yeniAnahtarlar);
}

// Closes the connection however the call ends.
struct Kapatici {
  Connection& baglanti;
  ~Kapatici() { baglanti.Close(); }
};

}  // namespace

TONAYSIP::TONAYSIP(Connection& _c, std::string mesaj, const TSonucBilgisi& _sbilgi, std::string _toplam)
    : bagc(_c), sbilgi(_sbilgi), toplam(std::move(_toplam)) {
  SetCaption("Sipariş Onay");
  teslimbox.SetCaption("Teslim Durumu");
  boxkargo.SetCaption("Kargo Türleri");
  boxkargo.OnChange = [this] { OlayCalistir([this] { boxkargoClick(); }); };
  GroupBox1.SetCaption("Kargo");
  kargocombo.OnChange = [this] { OlayCalistir([this] { kargocomboChange(); }); };
  GroupBox2.SetCaption("Mesaj");
  Label1.SetCaption(kOnaySorusu);
  Button1.SetCaption("Evet");
  Button1.OnClick = [this] { OlayCalistir([this] { Button1Click(); }); };
  Button2.SetCaption("Hayır");
  Button2.OnClick = [this] { OlayCalistir([this] { Button2Click(); }); };

  Label3.SetCaption(std::move(mesaj));
  Label2.SetCaption(Ozet(sbilgi, toplam));
  TeslimKargoDoldur();
}

void TONAYSIP::TeslimKargoDoldur() {
  AnahtarliBosalt();
  const std::unique_ptr<Connection> klon = bagc.Clone();
  if (!BaglantiDene(*klon, 1)) return;
  Kapatici kapatici{*klon};
  {
    TServerMethods1Client proxy(klon.get());
    AnahtarliDoldur(Tablo(proxy.TeslimVer(), "teslim durumlarını"), teslimbox, teslimAnahtarlari_);
  }
  // The second entry, or the last when there are fewer; none when there is none.
  teslimbox.SetItemIndex(std::min(1, static_cast<int>(teslimbox.Items().size()) - 1));
  TServerMethods1Client proxy(klon.get());
  AnahtarliDoldur(Tablo(proxy.KargoVer(), "kargo türlerini"), boxkargo, kargoAnahtarlari_);
}

void TONAYSIP::AnahtarliBosalt() {
  for (ChoiceState* grup : {&teslimbox, &boxkargo}) {
    grup->SetItemIndex(-1);
    grup->SetItems({});
  }
  teslimAnahtarlari_.clear();
  kargoAnahtarlari_.clear();
}

void TONAYSIP::boxkargoClick() { KargolarDoldur(); }

void TONAYSIP::KargolarDoldur() {
  uyarikargo.SetCaption("");
  const int tur = boxkargo.ItemIndex();
  if (tur < 0) return;
  // The carriers of the type chosen before must not stay choosable under the new type, even
  // when the new ones cannot be fetched.
  kargo.Close();
  KargoListesiniDoldur();
  if (!BaglantiDene(bagc, 1)) return;
  {
    Kapatici kapatici{bagc};
    TServerMethods1Client proxy(&bagc);
    LoadTable(Tablo(proxy.KargolarVer(kargoAnahtarlari_.at(static_cast<std::size_t>(tur))), "kargo firmalarını"),
              kargo);
  }
  KargoListesiniDoldur();
  if (kargocombo.Items().size() == 2) {
    kargocombo.SetItemIndex(1);
    kargocomboChange();
  }
}

void TONAYSIP::KargoListesiniDoldur() {
  std::vector<std::string> adlar{kBosKargo};
  const Field* adi = kargo.Active() ? kargo.FindField("ADI") : nullptr;
  for (std::size_t satir = 0; adi != nullptr && satir < kargo.RecordCount(); ++satir) {
    adlar.push_back(adi->StringAt(satir));
  }
  kargocombo.SetItemIndex(-1);
  kargocombo.SetItems(std::move(adlar));
}

std::optional<std::size_t> TONAYSIP::KargoSatiri(const std::string& adi) const {
  if (!kargo.Active()) return std::nullopt;
  const Field& alan = kargo.FieldByName("ADI");
  for (std::size_t satir = 0; satir < kargo.RecordCount(); ++satir) {
    if (alan.StringAt(satir) == adi) return satir;
  }
  return std::nullopt;
}

void TONAYSIP::kargocomboChange() {
  std::string uyari;
  try {
    if (const auto satir = KargoSatiri(kargocombo.SelectedText())) uyari = kargo.FieldByName("UYARI").StringAt(*satir);
  } catch (const std::exception&) {
    uyari.clear();
  }
  uyarikargo.SetCaption(std::move(uyari));
}

void TONAYSIP::Button1Click() {
  if (teslimbox.ItemIndex() < 0) {
    Uyar("Lütfen Teslim Durumu Seçiniz !");
    return;
  }
  if (boxkargo.ItemIndex() < 0) {
    Uyar("Lütfen Kargo Türünü Seçiniz !");
    return;
  }
  // The blank first entry is no carrier; neither is a name the loaded carriers do not hold.
  const std::optional<std::size_t> satir =
      kargocombo.ItemIndex() > 0 ? KargoSatiri(kargocombo.SelectedText()) : std::nullopt;
  if (!satir) {
    Uyar("Lütfen Kargo  Seçiniz !");
    kargocombo.SetFocus();
    return;
  }
  KN = static_cast<std::int32_t>(kargo.FieldByName("SIRANO").LargeIntAt(*satir));
  td = teslimAnahtarlari_.at(static_cast<std::size_t>(teslimbox.ItemIndex()));
  kt = kargoAnahtarlari_.at(static_cast<std::size_t>(boxkargo.ItemIndex()));
  SetModalResult(mrOk);
}

void TONAYSIP::Button2Click() { SetModalResult(mrCancel); }

}  // namespace zorvat
