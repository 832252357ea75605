// The password change request window against the reference server: the card it opens
// with, the required fields, and the request it sends.
#include "session/kullanici_kayit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/connection.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

class SifreIstegiTest : public testing::Test {
 protected:
  SifreIstegiTest() {
    bagc.Params().HostName = "127.0.0.1";
    bagc.Params().Port = std::to_string(f.sunucu.Port());
    sbilgi.SetADI("AHMET");
    sbilgi.SetCariAdi("YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.");
  }

  // Every field filled with a text that names it.
  static void Doldur(Tkullanicikayit& p) {
    for (auto [alan, metin] : Alanlar(p)) alan->SetText(metin);
  }
  static std::vector<std::pair<EditState*, std::string>> Alanlar(Tkullanicikayit& p) {
    return {{&p.firmaadi, "FİRMA"},
            {&p.adres1, "ADRES 1"},
            {&p.adres2, "ADRES 2"},
            {&p.ilce, "İLÇE"},
            {&p.sehir, "ŞEHİR"},
            {&p.telefon, "TEL"},
            {&p.fax, "FAX"},
            {&p.vd, "VD"},
            {&p.vn, "VN"},
            {&p.yetkili, "YETKİLİ"},
            {&p.kullaniciadi, "KULLANICI"},
            {&p.sifre, "ŞİFRE"},
            {&p.mail, "MAIL"},
            {&p.kargoambar, "AMBAR"}};
  }

  std::vector<std::vector<std::string>> Istekler() const {
    return f.Satirlar(
        "SELECT bilgisayar_id, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, "
        "kullaniciadi, sifre, mail, kargoambar FROM posta ORDER BY sirano");
  }

  test::OturumFiksturu f;
  Connection bagc;
  TSonucBilgisi sbilgi;
};

TEST_F(SifreIstegiTest, OpensWithTheSessionAndTheServersAccountCard) {
  Tkullanicikayit p(sbilgi, bagc, f.makine);
  EXPECT_EQ(p.Caption(), "Şifre Değiştirme İsteği");
  EXPECT_EQ(p.lblid.Caption(), "Bilgisayar ID: DEMO-AHMET");
  EXPECT_EQ(p.firmaadi.Text(), "YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.");
  EXPECT_EQ(p.kullaniciadi.Text(), "AHMET");
  const auto kart =
      f.Satirlar("SELECT adres1, ilce, il, tel1, vergidairesi, vergino FROM cari WHERE carikod = '120.01.1001'");
  ASSERT_EQ(kart.size(), 1u);
  EXPECT_EQ(p.adres1.Text(), kart[0][0]);
  EXPECT_EQ(p.ilce.Text(), kart[0][1]);
  EXPECT_EQ(p.sehir.Text(), kart[0][2]);
  EXPECT_EQ(p.telefon.Text(), kart[0][3]);
  EXPECT_EQ(p.vd.Text(), kart[0][4]);
  EXPECT_EQ(p.vn.Text(), kart[0][5]);
  for (EditState* bos : {&p.yetkili, &p.sifre, &p.mail, &p.kargoambar}) EXPECT_EQ(bos->Text(), "");
  EXPECT_THAT(f.hizmetler.dialogs.shownDialogs, IsEmpty());
}

TEST_F(SifreIstegiTest, AnUnreachableServerLeavesTheCardEmptyAndTheWindowOpens) {
  bagc.Params().Port = std::to_string(test::FreePort());
  Tkullanicikayit p(sbilgi, bagc, f.makine);
  EXPECT_EQ(f.hizmetler.dialogs.plainMessages.size(), 11u);
  ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u);
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].metin, "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
  EXPECT_EQ(p.adres1.Text(), "");
  EXPECT_EQ(p.firmaadi.Text(), "YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.");
  EXPECT_EQ(p.Caption(), "Şifre Değiştirme İsteği");
}

TEST_F(SifreIstegiTest, TheFirstEmptyRequiredFieldStopsTheRequest) {
  Tkullanicikayit p(sbilgi, bagc, f.makine);
  const std::pair<EditState Tkullanicikayit::*, const char*> kZorunlu[] = {
      {&Tkullanicikayit::firmaadi, "Firma Adı boş olamaz !"},
      {&Tkullanicikayit::adres1, "Adres boş olamaz !"},
      {&Tkullanicikayit::ilce, "İlçe Adı boş olamaz !"},
      {&Tkullanicikayit::sehir, "Şehir Adı boş olamaz !"},
      {&Tkullanicikayit::telefon, "Telefon  boş olamaz !"},
      {&Tkullanicikayit::yetkili, "Yetkili  boş olamaz !"},
      {&Tkullanicikayit::kullaniciadi, "Kullanıcı  boş olamaz !"},
      {&Tkullanicikayit::sifre, "Şifre  boş olamaz !"},
      {&Tkullanicikayit::mail, "Mail  boş olamaz !"},
  };
  for (const auto& [alan, mesaj] : kZorunlu) {
    Doldur(p);
    (p.*alan).SetText("   ");
    f.hizmetler.dialogs.shownDialogs.clear();
    p.Button2.Click();
    ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u) << mesaj;
    EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].metin, mesaj);
    EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].baslik, "Uyarı");
    EXPECT_TRUE((p.*alan).Focused()) << mesaj;
    EXPECT_EQ((p.*alan).SelLength(), 3) << mesaj;
  }
  EXPECT_THAT(Istekler(), IsEmpty());
}

TEST_F(SifreIstegiTest, EachSendMailsTheFourteenTextsInOrder) {
  Tkullanicikayit p(sbilgi, bagc, f.makine);
  Doldur(p);
  for (EditState* istege : {&p.adres2, &p.fax, &p.vd, &p.vn, &p.kargoambar}) istege->SetText("");
  p.telefon.SetText(" 0224 ");
  p.Button2.Click();
  p.Button2.Click();

  const std::vector<std::string> beklenen = {"DEMO-AHMET", "Şifre Değiştirme İsteği",
                                             "FİRMA",      "ADRES 1",
                                             "",           "İLÇE",
                                             "ŞEHİR",      " 0224 ",
                                             "",           "",
                                             "",           "YETKİLİ",
                                             "KULLANICI",  "ŞİFRE",
                                             "MAIL",       ""};
  const auto istekler = Istekler();
  ASSERT_EQ(istekler.size(), 2u);
  EXPECT_THAT(istekler[0], ElementsAreArray(beklenen));
  EXPECT_THAT(istekler[1], ElementsAreArray(beklenen));
  ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 2u);
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].metin, "İsteğiniz Gönderildi!");
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].baslik, "Bilgi");
  EXPECT_EQ(p.ModalResult(), mrNone) << "the window stays open";
  p.Button1.Click();
  EXPECT_EQ(p.ModalResult(), mrCancel);
}

}  // namespace
}  // namespace zorvat
