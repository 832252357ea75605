// The order approval window against the reference server: the summary, the delivery states
// and cargo types with their keys, the carriers of a cargo type with their warnings, the
// checks of "Evet" and the choices it hands to the main window.
#include "basket/siparis_onay.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "net/dialogs.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kTeslimYok = "Lütfen Teslim Durumu Seçiniz !";
constexpr const char* kTurYok = "Lütfen Kargo Türünü Seçiniz !";
constexpr const char* kKargoYok = "Lütfen Kargo  Seçiniz !";

// The seeded cargo types, in the server's order.
constexpr int kKargoTuru = 0;  // three carriers
constexpr int kAmbar = 1;      // two carriers, one of them without a warning
constexpr int kServisAraci = 2;  // one carrier

class SiparisOnayTest : public testing::Test {
 protected:
  SiparisOnayTest() : bagc(f.Baglanti()), sbilgi(f.Kayit("DEMO-AHMET")) {}

  std::unique_ptr<TONAYSIP> Ac(const std::string& mesaj = "", const std::string& toplam = "1.234,50") {
    return std::make_unique<TONAYSIP>(bagc, mesaj, sbilgi, toplam);
  }

  // Changes the choices the server offers; the seeded orders refer to them.
  void ServerinSecenekleri(const std::string& sql) const { f.Sql("PRAGMA foreign_keys=OFF; " + sql); }

  std::vector<std::string> Mesajlar() const {
    std::vector<std::string> metinler;
    for (const MesajPenceresi& pencere : f.hizmetler.dialogs.shownDialogs) metinler.push_back(pencere.metin);
    return metinler;
  }

  // The first cargo type with three carriers, its second carrier chosen.
  static void KargoSec(TONAYSIP& onay) {
    onay.boxkargo.ChosenByUser(kKargoTuru);
    onay.kargocombo.ChosenByUser(2);
  }

  test::OturumFiksturu f{"DEMO-AHMET"};
  Connection bagc;
  TSonucBilgisi sbilgi;
};

TEST_F(SiparisOnayTest, OpensWithTheSummaryTheWarningAndTheServersChoices) {
  const auto onay = Ac("Vadesi geçmiş bakiyeniz 1.250,00 TL", "12.345,67");

  EXPECT_EQ(onay->Caption(), "Sipariş Onay");
  EXPECT_EQ(onay->Label2.Caption(), "Kullanıcı: " + sbilgi.ADI() + "\r\nCari     : " + sbilgi.CariAdi() +
                                        "\r\nTutar    : 12.345,67");
  EXPECT_FALSE(sbilgi.ADI().empty());
  EXPECT_FALSE(sbilgi.CariAdi().empty());
  EXPECT_EQ(onay->Label3.Caption(), "Vadesi geçmiş bakiyeniz 1.250,00 TL");
  EXPECT_EQ(onay->Label1.Caption(), "Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?");
  EXPECT_EQ(onay->teslimbox.Caption(), "Teslim Durumu");
  EXPECT_EQ(onay->boxkargo.Caption(), "Kargo Türleri");
  EXPECT_EQ(onay->GroupBox1.Caption(), "Kargo");
  EXPECT_EQ(onay->GroupBox2.Caption(), "Mesaj");
  EXPECT_EQ(onay->Button1.Caption(), "Evet");
  EXPECT_EQ(onay->Button2.Caption(), "Hayır");

  EXPECT_THAT(onay->teslimbox.Items(),
              ElementsAre("Acil Gönder", "Normal Gönder", "Tamamı Hazır Olunca Gönder", "Müşteri Teslim Alacak"));
  EXPECT_THAT(onay->boxkargo.Items(), ElementsAre("Kargo", "Ambar", "Servis Aracı", "Gel-Al"));
  EXPECT_EQ(onay->boxkargo.ItemIndex(), -1) << "no cargo type is preselected";
  EXPECT_THAT(onay->kargocombo.Items(), IsEmpty());
  EXPECT_EQ(onay->aciklamagir.Text(), "");
  EXPECT_THAT(Mesajlar(), IsEmpty());
  EXPECT_FALSE(bagc.Connected()) << "the choices come through a clone; the main connection stays closed";
}

TEST_F(SiparisOnayTest, TheSecondDeliveryStateIsPreselectedOrTheLastOfFewer) {
  struct Durum {
    const char* silinen;
    std::vector<std::string> kalan;
    int secili;
  };
  const Durum durumlar[] = {
      {"kod > 3", {"Acil Gönder", "Normal Gönder", "Tamamı Hazır Olunca Gönder"}, 1},
      {"kod > 1", {"Acil Gönder"}, 0},
      {"1", {}, -1},
  };
  for (const Durum& durum : durumlar) {
    SCOPED_TRACE(durum.silinen);
    ServerinSecenekleri(std::string("DELETE FROM teslim_durumu WHERE ") + durum.silinen);
    const auto onay = Ac();
    EXPECT_EQ(onay->teslimbox.Items(), durum.kalan);
    EXPECT_EQ(onay->teslimbox.ItemIndex(), durum.secili);
  }
}

TEST_F(SiparisOnayTest, WithoutDeliveryStatesTheOrderCannotBeConfirmed) {
  ServerinSecenekleri("DELETE FROM teslim_durumu");
  const auto onay = Ac();
  KargoSec(*onay);
  onay->Button1.Click();
  EXPECT_THAT(Mesajlar(), ElementsAre(kTeslimYok));
  EXPECT_EQ(onay->ModalResult(), mrNone);
}

TEST_F(SiparisOnayTest, ACargoTypeWithOneCarrierChoosesItAndShowsItsWarning) {
  const auto onay = Ac();
  onay->boxkargo.ChosenByUser(kServisAraci);
  EXPECT_THAT(onay->kargocombo.Items(), ElementsAre(" ", "Firma Servis Aracı"));
  EXPECT_EQ(onay->kargocombo.ItemIndex(), 1);
  EXPECT_EQ(onay->uyarikargo.Caption(), "Servis aracı her gün 10:00 ve 15:00'te çıkar.");
  EXPECT_FALSE(bagc.Connected()) << "the main connection is closed after the call";

  onay->Button1.Click();
  EXPECT_THAT(Mesajlar(), IsEmpty());
  EXPECT_EQ(onay->ModalResult(), mrOk);
  EXPECT_EQ(onay->KN, 6);
  EXPECT_EQ(onay->kt, 3);
}

TEST_F(SiparisOnayTest, ACargoTypeWithoutCarriersOffersOnlyTheBlankEntry) {
  ServerinSecenekleri("INSERT INTO kargo_turu(kod, adi) VALUES(5, 'Posta')");
  const auto onay = Ac();
  onay->boxkargo.ChosenByUser(kServisAraci);
  onay->boxkargo.ChosenByUser(4);
  EXPECT_THAT(onay->kargocombo.Items(), ElementsAre(" "));
  EXPECT_EQ(onay->kargocombo.ItemIndex(), -1);
  EXPECT_EQ(onay->uyarikargo.Caption(), "");

  onay->Button1.Click();
  EXPECT_THAT(Mesajlar(), ElementsAre(kKargoYok));
  EXPECT_TRUE(onay->kargocombo.Focused());
  EXPECT_EQ(onay->ModalResult(), mrNone);
}

TEST_F(SiparisOnayTest, AnotherCargoTypeRefillsTheCarriersAndEmptiesTheWarning) {
  const auto onay = Ac();
  onay->boxkargo.ChosenByUser(kServisAraci);
  ASSERT_NE(onay->uyarikargo.Caption(), "");

  onay->boxkargo.ChosenByUser(kKargoTuru);
  EXPECT_THAT(onay->kargocombo.Items(), ElementsAre(" ", "Hızlı Kargo", "Anadolu Kargo", "Ekspres Kurye Kargo"));
  EXPECT_EQ(onay->kargocombo.ItemIndex(), -1) << "several carriers: the user chooses";
  EXPECT_EQ(onay->uyarikargo.Caption(), "");

  struct Secim {
    int sira;
    const char* uyari;
  };
  const Secim secimler[] = {
      {2, "Saat 16:00'dan sonraki siparişler ertesi gün çıkar."},
      {0, ""},  // the blank entry
      {1, "Kargo ücreti alıcıya aittir. Cumartesi teslimat yapılmaz."},
  };
  for (const Secim& secim : secimler) {
    onay->kargocombo.ChosenByUser(secim.sira);
    EXPECT_EQ(onay->uyarikargo.Caption(), secim.uyari) << secim.sira;
  }

  onay->boxkargo.ChosenByUser(kAmbar);
  EXPECT_THAT(onay->kargocombo.Items(), ElementsAre(" ", "Ostim Ambarı", "Konya Yolu Ambarı"));
  EXPECT_EQ(onay->uyarikargo.Caption(), "");
  onay->kargocombo.ChosenByUser(2);
  EXPECT_EQ(onay->uyarikargo.Caption(), "") << "a carrier without a warning";
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(SiparisOnayTest, EvetChecksDeliveryThenCargoTypeThenCarrier) {
  struct Durum {
    int teslim;
    bool turSec;
    int kargo;
    const char* mesaj;
  };
  const Durum durumlar[] = {
      {-1, false, -1, kTeslimYok},
      {-1, true, 1, kTeslimYok},
      {0, false, -1, kTurYok},
      {0, true, -1, kKargoYok},
      {0, true, 0, kKargoYok},  // the blank entry
  };
  for (const Durum& durum : durumlar) {
    SCOPED_TRACE(durum.mesaj);
    f.hizmetler.dialogs.shownDialogs.clear();
    const auto onay = Ac();
    onay->teslimbox.SetItemIndex(durum.teslim);
    if (durum.turSec) onay->boxkargo.ChosenByUser(kKargoTuru);
    onay->kargocombo.SetItemIndex(durum.kargo);
    onay->Button1.Click();
    ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u);
    const MesajPenceresi& pencere = f.hizmetler.dialogs.shownDialogs[0];
    EXPECT_EQ(pencere.metin, durum.mesaj);
    EXPECT_EQ(pencere.tur, 0);
    ASSERT_EQ(pencere.dugmeler.size(), 1u);
    EXPECT_EQ(pencere.dugmeler[0].dugme, MsgDlgBtn::OK);
    EXPECT_EQ(onay->ModalResult(), mrNone);
    EXPECT_EQ(onay->KN, 0);
  }
}

TEST_F(SiparisOnayTest, EvetHandsOverTheServersKeysOfTheChoices) {
  // Keys that differ from the positions in the lists.
  ServerinSecenekleri(
      "INSERT INTO teslim_durumu(kod, adi) VALUES(9, 'Yarın Gönder');"
      "INSERT INTO kargo_turu(kod, adi) VALUES(7, 'Posta');"
      "INSERT INTO kargo(sirano, kargo_turu, adi, uyari) VALUES(42, 7, 'PTT Kargo', 'Kapıda ödeme yok.'),"
      "(43, 7, 'Yurtiçi Posta', '')");
  const auto onay = Ac();
  onay->teslimbox.ChosenByUser(4);
  onay->boxkargo.ChosenByUser(4);
  onay->kargocombo.ChosenByUser(2);
  onay->aciklamagir.EditedByUser("Öğleden önce lütfen.");
  onay->Button1.Click();
  EXPECT_THAT(Mesajlar(), IsEmpty());
  EXPECT_EQ(onay->ModalResult(), mrOk);
  EXPECT_EQ(onay->td, 9);
  EXPECT_EQ(onay->kt, 7);
  EXPECT_EQ(onay->KN, 43);
  EXPECT_EQ(onay->aciklamagir.Text(), "Öğleden önce lütfen.");
}

TEST_F(SiparisOnayTest, EvetWithThePreselectedDeliveryConfirmsAndHayirCancels) {
  auto onay = Ac();
  KargoSec(*onay);
  onay->Button1.Click();
  EXPECT_EQ(onay->ModalResult(), mrOk);
  EXPECT_EQ(onay->td, 2);
  EXPECT_EQ(onay->kt, 1);
  EXPECT_EQ(onay->KN, 2);

  onay = Ac();
  KargoSec(*onay);
  onay->Button2.Click();
  EXPECT_EQ(onay->ModalResult(), mrCancel);
  EXPECT_EQ(onay->KN, 0);
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(SiparisOnayTest, WithoutTheServerTheWindowOpensEmptyAndCannotBeConfirmed) {
  bagc.Params().Port = std::to_string(test::FreePort());
  const auto onay = Ac("", "0,00");
  EXPECT_THAT(onay->teslimbox.Items(), IsEmpty());
  EXPECT_THAT(onay->boxkargo.Items(), IsEmpty());
  EXPECT_EQ(onay->teslimbox.ItemIndex(), -1);
  EXPECT_THAT(Mesajlar(), ElementsAre(kBaglantiKurulamiyor));
  EXPECT_FALSE(f.hizmetler.dialogs.plainMessages.empty()) << "each attempt shows its cause";

  onay->Button1.Click();
  EXPECT_THAT(Mesajlar(), ElementsAre(kBaglantiKurulamiyor, kTeslimYok));
  EXPECT_EQ(onay->ModalResult(), mrNone);
}

// The carriers of the type chosen before would be sent with the new type's key.
TEST_F(SiparisOnayTest, CarriersThatCannotBeFetchedLeaveNoCarrierOfTheOldTypeToChoose) {
  const auto onay = Ac();
  KargoSec(*onay);
  bagc.Params().Port = std::to_string(test::FreePort());
  onay->boxkargo.ChosenByUser(kAmbar);
  EXPECT_THAT(Mesajlar(), ElementsAre(kBaglantiKurulamiyor));
  EXPECT_THAT(onay->kargocombo.Items(), ElementsAre(" "));
  EXPECT_EQ(onay->uyarikargo.Caption(), "");

  onay->Button1.Click();
  EXPECT_THAT(Mesajlar(), ElementsAre(kBaglantiKurulamiyor, kKargoYok));
  EXPECT_EQ(onay->ModalResult(), mrNone);
}

// A server that refuses the carriers: its text reaches the default error handling and the
// window stays open.
TEST(SiparisOnaySunucuHatasiTest, AServerErrorWhileFetchingCarriersIsShownAndTheWindowStays) {
  test::ScriptedServices hizmetler;
  test::StubServer sunucu([](const std::string& metot, const std::string&) {
    if (metot == "KargolarVer") return test::StubAnswer{500, R"({"error":"Kargo tablosu kilitli"})"};
    return test::StubAnswer{
        200, R"({"result":[{"columns":[{"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"}],)"
             R"("rows":[[1,"Acil"],[2,"Normal"]]}]})"};
  });
  ConnectionParams params;
  params.HostName = "127.0.0.1";
  params.Port = std::to_string(sunucu.Port());
  Connection bagc(params);
  TSonucBilgisi sbilgi;
  TONAYSIP onay(bagc, "", sbilgi, "10,00");
  EXPECT_THAT(onay.boxkargo.Items(), ElementsAre("Acil", "Normal"));

  onay.boxkargo.ChosenByUser(1);
  EXPECT_THAT(hizmetler.dialogs.plainMessages, ElementsAre(testing::HasSubstr("Kargo tablosu kilitli")));
  EXPECT_THAT(onay.kargocombo.Items(), ElementsAre(" "));
  EXPECT_EQ(onay.ModalResult(), mrNone);
  EXPECT_FALSE(bagc.Connected());

  const std::vector<test::StubRequest> istekler = sunucu.Requests();
  ASSERT_EQ(istekler.size(), 3u);
  EXPECT_EQ(istekler[2].method, "KargolarVer");
  EXPECT_NE(istekler[2].body.find("[2]"), std::string::npos) << "the chosen type's key: " << istekler[2].body;
}

}  // namespace
}  // namespace zorvat
