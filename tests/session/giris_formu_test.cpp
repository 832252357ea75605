// The login window against the reference server: every way an attempt ends, the settings
// file, the Enter keys, and the windows the login opens on its way.
#include "session/giris_formu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "account/cari_secim.h"
#include "info/dosya_indir.h"
#include "info/istek_formu.h"
#include "net/adresler.h"
#include "net/connection.h"
#include "session/ayar_dosyasi.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kHatali = "Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !";

// The main window's connection and session record, and the login window on them.
class GirisTest : public testing::Test {
 protected:
  explicit GirisTest(std::string bilgisayarId = "DEMO-AHMET") : f(std::move(bilgisayarId)) {
    bagc.Params().Port = std::to_string(f.sunucu.Port());
  }

  Tgirisform& Pencere() {
    if (!giris) giris = std::make_unique<Tgirisform>(bagc, sbilgi, f.Ortam());
    return *giris;
  }

  // Clicks "Giriş" and runs the user-interface thread until the attempt has ended: the
  // window closed with OK, the button is enabled again, or the process was ended.
  void GirisDene(const std::string& ad, const std::string& sifre) {
    Tgirisform& p = Pencere();
    p.adi.SetText("");
    p.adi.Type(ad);
    p.sifre.SetText("");
    p.sifre.Type(sifre);
    p.Button1.Click();
    ASSERT_TRUE(f.Bekle([&] { return p.ModalResult() != 0 || p.Button1.Enabled() || f.hizmetler.exitRequests > 0; }));
  }

  std::vector<std::string> Mesajlar() const {
    std::vector<std::string> metinler;
    for (const MesajPenceresi& pencere : f.hizmetler.dialogs.shownDialogs) metinler.push_back(pencere.metin);
    return metinler;
  }

  test::OturumFiksturu f;
  Connection bagc;
  TSonucBilgisi sbilgi;
  std::unique_ptr<Tgirisform> giris;
};

TEST_F(GirisTest, WithoutASettingsFileTheBoxIsTickedAndTheFieldsEmpty) {
  Tgirisform& p = Pencere();
  EXPECT_EQ(p.Caption(), "Giriş");
  EXPECT_TRUE(p.benihatirla.Checked());
  EXPECT_EQ(p.adi.Text(), "");
  EXPECT_EQ(p.sifre.Text(), "");
  EXPECT_TRUE(p.adi.Focused());
  EXPECT_EQ(p.idsi(), "DEMO-AHMET");
  EXPECT_EQ(WebAdresi(), "http://127.0.0.1:8080/") << "the internet profile is written when the window opens";
}

TEST_F(GirisTest, TheRememberKeyDecidesWhetherNameAndPasswordAreFilledIn) {
  struct Durum {
    const char* hatirla;
    bool isaretli;
    const char* ad;
  };
  for (const Durum& d : {Durum{"0", false, ""}, Durum{"1", true, "AHMET"}}) {
    f.klasor.Yaz("ayar.ini", std::string("[kullanici]\nisim=AHMET\nsifre=1234\nhatırla=") + d.hatirla + "\n");
    Tgirisform p(bagc, sbilgi, f.Ortam());
    EXPECT_EQ(p.benihatirla.Checked(), d.isaretli) << d.hatirla;
    EXPECT_EQ(p.adi.Text(), d.ad) << d.hatirla;
    EXPECT_EQ(p.sifre.Text(), d.isaretli ? "1234" : "") << d.hatirla;
  }
}

TEST_F(GirisTest, EnterOnAnEmptyFieldWarnsAndKeepsTheFocusThere) {
  Tgirisform& p = Pencere();
  p.adi.Type("  \r");
  EXPECT_THAT(f.hizmetler.dialogs.warnings, ElementsAre("Lütfen kullanıcı adını giriniz !"));
  EXPECT_TRUE(p.adi.Focused());
  EXPECT_EQ(p.adi.SelLength(), 2) << "the blanks are selected";

  p.adi.SetText("AHMET");
  p.adi.Type("\r");
  EXPECT_TRUE(p.sifre.Focused());
  p.sifre.Type("\r");
  EXPECT_THAT(f.hizmetler.dialogs.warnings,
              ElementsAre("Lütfen kullanıcı adını giriniz !", "Lütfen kullanıcı şifresini giriniz !"));
  EXPECT_TRUE(p.sifre.Focused());
  EXPECT_THAT(f.hizmetler.kabuk.sounds, ElementsAre(MesajSesi::Hata, MesajSesi::Hata));
  EXPECT_TRUE(p.Button1.Enabled()) << "nothing was sent";
  EXPECT_EQ(p.Button1.Caption(), "Giriş");

  // While an attempt runs its button is off, and Enter starts no second one.
  p.sifre.SetText("1234");
  p.Button1.SetEnabled(false);
  p.sifre.Type("\r");
  EXPECT_EQ(p.Button1.Caption(), "Giriş");
}

TEST_F(GirisTest, EnterInThePasswordLogsInAndRemembersWhatWasTyped) {
  Tgirisform& p = Pencere();
  p.adi.Type("ahmet\r");
  p.sifre.Type("1234\r");
  EXPECT_EQ(p.Button1.Caption(), "Bağlanıyor...");
  EXPECT_FALSE(p.Button1.Enabled());
  ASSERT_TRUE(f.Bekle([&] { return p.ModalResult() != 0; }));

  EXPECT_EQ(p.ModalResult(), mrOk);
  EXPECT_EQ(p.Button1.Caption(), "Giriş!");
  EXPECT_THAT(Mesajlar(), IsEmpty());
  EXPECT_EQ(sbilgi.ADI(), "AHMET");
  EXPECT_EQ(sbilgi.CariAdi(), "YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.");
  EXPECT_EQ(sbilgi.Version(), 3);
  // This machine's identity, whatever the server sent.
  EXPECT_EQ(sbilgi.BILGISAYARID(), "DEMO-AHMET");
  EXPECT_EQ(sbilgi.BilgiSayarAdi(), "MUHASEBE-PC");
  EXPECT_EQ(sbilgi.BilgisayarKullanici(), "ayse");
  EXPECT_EQ(sbilgi.Icip(), "192.168.1.20");
  EXPECT_EQ(sbilgi.Disip(), "127.0.0.1");
  EXPECT_EQ(bagc.Params().HostName, "127.0.0.1");

  const auto ayar = AyarDosyasiOku(f.AyarDosyasi());
  ASSERT_TRUE(ayar);
  EXPECT_EQ(ayar->isim, "AHMET");
  EXPECT_EQ(ayar->sifre, "1234");
  EXPECT_TRUE(ayar->hatirla);
}

TEST_F(GirisTest, WithoutRememberingTheFileStillHoldsNameAndPassword) {
  Pencere().benihatirla.Click();
  GirisDene("AHMET", "1234");
  EXPECT_EQ(giris->ModalResult(), mrOk);
  const auto ayar = AyarDosyasiOku(f.AyarDosyasi());
  ASSERT_TRUE(ayar);
  EXPECT_EQ(ayar->isim, "AHMET");
  EXPECT_EQ(ayar->sifre, "1234");
  EXPECT_FALSE(ayar->hatirla);
}

TEST_F(GirisTest, AWrongPasswordIsRefusedAndASecondAttemptMaySucceed) {
  GirisDene("AHMET", "4321");
  Tgirisform& p = *giris;
  EXPECT_EQ(p.ModalResult(), mrNone);
  ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u);
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].metin, kHatali);
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].baslik, "Uyarı");
  EXPECT_EQ(p.Button1.Caption(), "Giriş!");
  EXPECT_TRUE(p.adi.Focused());
  EXPECT_EQ(p.adi.SelText(), "AHMET");
  EXPECT_FALSE(std::filesystem::exists(f.AyarDosyasi())) << "only a matching name and password are remembered";

  GirisDene("AHMET", "1234");
  EXPECT_EQ(p.ModalResult(), mrOk);
  EXPECT_EQ(p.Button1.Caption(), "Giriş!");
}

TEST_F(GirisTest, ANameInSmallLettersOfTheServerDoesNotMatchTheCapitalsTyped) {
  f.Sql("UPDATE kullanici SET adi = 'ahmet' WHERE adi = 'AHMET'");
  GirisDene("ahmet", "1234");
  EXPECT_EQ(giris->adi.Text(), "AHMET");
  EXPECT_EQ(giris->ModalResult(), mrNone);
  EXPECT_THAT(Mesajlar(), ElementsAre(kHatali));
}

TEST_F(GirisTest, AServerRecordWithEmptyNameAndPasswordLogsInByClick) {
  f.Sql("UPDATE kullanici SET adi = '', sifre = '' WHERE adi = 'AHMET'");
  GirisDene("", "");
  EXPECT_EQ(giris->ModalResult(), mrOk);
  EXPECT_EQ(sbilgi.CariAdi(), "YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.");
}

TEST_F(GirisTest, AnUnreachableServerCostsElevenBoxesThenOneMessage) {
  bagc.Params().Port = std::to_string(test::FreePort());
  GirisDene("AHMET", "1234");
  EXPECT_EQ(f.hizmetler.dialogs.plainMessages.size(), 11u);
  EXPECT_EQ(f.hizmetler.waits, std::vector<std::chrono::milliseconds>(11, 500ms));
  ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u);
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].metin, "Bağlantı Kurulamadı !");
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].baslik, "Hata");
  EXPECT_EQ(giris->ModalResult(), mrNone);
  EXPECT_TRUE(giris->adi.Focused());
  EXPECT_EQ(f.hizmetler.exitRequests, 0);
}

TEST_F(GirisTest, WithoutAPublicAddressTheServerIsNotAsked) {
  IstemciOrtami ortam = f.Ortam();
  ortam.disIpServisi = "http://127.0.0.1:" + std::to_string(test::FreePort()) + "/ip";
  giris = std::make_unique<Tgirisform>(bagc, sbilgi, ortam);
  GirisDene("AHMET", "1234");
  EXPECT_THAT(Mesajlar(), ElementsAre("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"));
  EXPECT_EQ(giris->Button1.Caption(), "Giriş!");
  EXPECT_EQ(sbilgi.ADI(), "") << "no record was fetched";
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages, IsEmpty());
}

TEST_F(GirisTest, AnInactiveAccountIsRefusedAfterItsNameAndPasswordWereRemembered) {
  f.makine = test::SahteMakine("DEMO-TOLGA");
  GirisDene("TOLGA", "1234");
  EXPECT_EQ(giris->ModalResult(), mrNone);
  EXPECT_THAT(Mesajlar(), ElementsAre(kHatali));
  EXPECT_TRUE(giris->Button1.Enabled());
  const auto ayar = AyarDosyasiOku(f.AyarDosyasi());
  ASSERT_TRUE(ayar);
  EXPECT_EQ(ayar->isim, "TOLGA");
}

TEST_F(GirisTest, VazgecEndsTheProgram) {
  Pencere().Button2.Click();
  EXPECT_EQ(f.hizmetler.exitRequests, 1);
}

// The windows the login opens on its way, as the scripted user meets them.
struct AcilanPencere {
  std::string tur;
  std::string baslik;
  std::string ayrinti;  // the update notice or the request address
};

class GirisPencereleriTest : public GirisTest {
 protected:
  explicit GirisPencereleriTest(std::string bilgisayarId = "DEMO-AHMET") : GirisTest(std::move(bilgisayarId)) {
    f.hizmetler.dialogs.onWindow = [this](FormState& form) {
      if (auto* indir = dynamic_cast<Tdosyaindir*>(&form)) {
        acilanlar.push_back({"güncelleme", form.Caption(), indir->sLabel1.Caption()});
      } else if (auto* istek = dynamic_cast<Tformistekyeni*>(&form)) {
        acilanlar.push_back({"istek", form.Caption(), istek->sitem.Url()});
      }
      return mrCancel;
    };
  }

  std::vector<AcilanPencere> acilanlar;
};

TEST_F(GirisPencereleriTest, AnOutdatedClientSeesTheUpdateWindowFirst) {
  f.IstemciSurumu(4);
  GirisDene("AHMET", "1234");
  ASSERT_EQ(acilanlar.size(), 1u);
  EXPECT_EQ(acilanlar[0].tur, "güncelleme");
  EXPECT_EQ(acilanlar[0].baslik, "Dosya İndir");
  EXPECT_EQ(acilanlar[0].ayrinti,
            "Zorvat Oto B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: 4-3");
  EXPECT_EQ(giris->ModalResult(), mrOk) << "a window that returns lets the login go on";
}

class BilinmeyenBilgisayarTest : public GirisPencereleriTest {
 protected:
  BilinmeyenBilgisayarTest() : GirisPencereleriTest("ZV 7781 x") {}
};

TEST_F(BilinmeyenBilgisayarTest, TheRequestFormOpensAndTheProgramEnds) {
  for (int surum : {3, 4}) {
    acilanlar.clear();
    f.hizmetler.exitRequests = 0;
    giris.reset();
    f.IstemciSurumu(surum);
    GirisDene("AHMET", "1234");
    const std::string adres = "http://127.0.0.1:8080/formmailgonder.aspx?carino=0&kullanici= &id=ZV7781X";
    std::vector<std::string> turler;
    for (const AcilanPencere& p : acilanlar) turler.push_back(p.tur);
    if (surum == 4) {
      EXPECT_THAT(turler, ElementsAre("güncelleme", "istek"));
    } else {
      EXPECT_THAT(turler, ElementsAre("istek"));
    }
    EXPECT_EQ(acilanlar.back().baslik, "Zorvat Oto B2B İstek Formu");
    EXPECT_EQ(acilanlar.back().ayrinti, adres);
    EXPECT_EQ(f.hizmetler.exitRequests, 1);
    EXPECT_EQ(giris->ModalResult(), mrNone);
    EXPECT_FALSE(std::filesystem::exists(f.AyarDosyasi()));
  }
}

// A sales representative picks the customer he acts for before the main window opens.
class TemsilciGirisiTest : public GirisTest {
 protected:
  TemsilciGirisiTest() : GirisTest("DEMO-MURAT") {}
};

TEST_F(TemsilciGirisiTest, TheChosenCustomerBecomesTheSessionsAccount) {
  std::string secilenAd;
  std::int64_t secilenNo = 0;
  std::vector<std::string> sayilar;
  f.hizmetler.dialogs.onWindow = [&](FormState& form) {
    auto& seccari = dynamic_cast<Tseccari&>(form);
    for (ButtonState* dugme : {&seccari.alinditus, &seccari.onaylanditus, &seccari.goruldutus,
                               &seccari.parcalihazirlandi, &seccari.hazirlanditus, &seccari.sevktus}) {
      sayilar.push_back(dugme->Caption());
    }
    seccari.sBitBtn2.Click();
    seccari.cxGrid1DBTableView1.SetFocusedRow(2);
    const std::size_t kayit = *seccari.cxGrid1DBTableView1.FocusedRecord();
    secilenAd = seccari.CARILER.FieldByName("CARIADI").StringAt(kayit);
    secilenNo = seccari.CARILER.FieldByName("CARINO").LargeIntAt(kayit);
    seccari.Button1.Click();
    return form.ModalResult();
  };
  GirisDene("MURAT", "1234");
  EXPECT_EQ(giris->ModalResult(), mrOk);
  EXPECT_EQ(f.hizmetler.dialogs.windowsShown, 1);
  EXPECT_EQ(sayilar.size(), 6u);
  for (const std::string& sayi : sayilar) EXPECT_FALSE(sayi.empty()) << "every order state shows its count";
  EXPECT_EQ(sbilgi.CARINO(), secilenNo);
  EXPECT_EQ(sbilgi.CariAdi(), secilenAd);
  EXPECT_EQ(sbilgi.MusteriTipi(), 1);
}

TEST_F(TemsilciGirisiTest, AServerErrorBeforeTheCustomerSelectionIsShownAndTheUserMayTryAgain) {
  f.Sql("DROP TABLE sepet");
  GirisDene("MURAT", "1234");
  EXPECT_EQ(f.hizmetler.dialogs.windowsShown, 0);
  ASSERT_TRUE(f.Bekle([&] { return !f.hizmetler.dialogs.plainMessages.empty(); }));
  EXPECT_TRUE(giris->Button1.Enabled()) << "not a dead button";
  EXPECT_TRUE(giris->adi.Focused());
  EXPECT_EQ(giris->ModalResult(), mrNone);
  EXPECT_EQ(f.hizmetler.exitRequests, 0);
}

TEST_F(TemsilciGirisiTest, LeavingTheCustomerSelectionEndsTheProgramWithTheSettingsWritten) {
  for (bool vazgec : {false, true}) {
    f.hizmetler.exitRequests = 0;
    f.hizmetler.dialogs.onWindow = [vazgec](FormState& form) {
      if (vazgec) dynamic_cast<Tseccari&>(form).Button2.Click();
      return mrCancel;  // "Vazgeç" ends the process; otherwise the close box
    };
    GirisDene("MURAT", "1234");
    EXPECT_GE(f.hizmetler.exitRequests, 1) << (vazgec ? "Vazgeç" : "close box");
    EXPECT_NE(giris->ModalResult(), mrOk);
    const auto ayar = AyarDosyasiOku(f.AyarDosyasi());
    ASSERT_TRUE(ayar);
    EXPECT_EQ(ayar->isim, "MURAT");
    giris.reset();
    std::filesystem::remove(f.AyarDosyasi());
  }
}

}  // namespace
}  // namespace zorvat
