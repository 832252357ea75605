// The update download against the dealer's web server in process: the download, its
// progress text, the start of the setup (or, where no setup can run, the notice), and the
// end of the program on success and on failure.
#include "info/dosya_indir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/bicim.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;

constexpr std::size_t kKurulumBoyu = 300000;

class DosyaIndirTest : public testing::Test {
 protected:
  DosyaIndirTest() {
    std::string icerik(kKurulumBoyu, '\0');
    for (std::size_t i = 0; i < icerik.size(); ++i) icerik[i] = static_cast<char>(i * 7 % 251);
    kurulum = icerik;
    f.klasor.Yaz("yeni_kurulum.exe", kurulum);
    ayar = f.Ortam().guncelleme;
    std::filesystem::create_directories(ayar.dosya.parent_path());
  }

  // Activates the window and runs the user-interface thread until the program ended.
  void Indir(Tdosyaindir& pencere) {
    pencere.FormActivate();
    ASSERT_TRUE(f.Bekle([&] { return f.hizmetler.exitRequests > 0; }));
  }

  test::OturumFiksturu f;
  std::string kurulum;
  IndirmeAyari ayar;
};

TEST_F(DosyaIndirTest, TheNoticeNamesBothVersions) {
  Tdosyaindir pencere(2, ayar);
  EXPECT_EQ(pencere.Caption(), "Dosya İndir");
  EXPECT_EQ(pencere.sLabel1.Caption(),
            "Zorvat Oto B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: 2-3");
}

TEST_F(DosyaIndirTest, TheSetupReplacesAnOldFileStartsSilentlyAndTheProgramEnds) {
  ayar.kurulumCalisir = true;
  f.klasor.Yaz("indirilen/ZorvatOtoSetup.exe", "eski kurulum");
  Tdosyaindir pencere(4, ayar);
  Indir(pencere);

  EXPECT_EQ(test::GeciciKlasor::Oku(ayar.dosya), kurulum);
  ASSERT_EQ(f.hizmetler.kabuk.started.size(), 1u);
  EXPECT_EQ(f.hizmetler.kabuk.started[0].first, ayar.dosya.string());
  EXPECT_THAT(f.hizmetler.kabuk.started[0].second, ElementsAre("/silent"));
  EXPECT_EQ(f.hizmetler.exitRequests, 1);
  EXPECT_EQ(pencere.bilgi.Caption(), "Bilgi: %100.00  İndirilen: 0.29/0.29 Mb");
  EXPECT_EQ(pencere.ProgressBar1.Max(), static_cast<std::int64_t>(kKurulumBoyu));
  EXPECT_EQ(pencere.ProgressBar1.Position(), static_cast<std::int64_t>(kKurulumBoyu));
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages, IsEmpty());
}

TEST_F(DosyaIndirTest, WhereNoSetupCanRunTheWindowSaysWhereTheFileIsThenTheProgramEnds) {
  ayar.kurulumCalisir = false;
  Tdosyaindir pencere(4, ayar);
  Indir(pencere);
  EXPECT_EQ(test::GeciciKlasor::Oku(ayar.dosya), kurulum);
  EXPECT_THAT(f.hizmetler.kabuk.started, IsEmpty());
  EXPECT_EQ(pencere.sLabel1.Caption(),
            "Yeni versiyon indirildi.\r\nKurulum bu sistemde otomatik\r\nbaşlatılamaz; program kapanıyor.");
  EXPECT_EQ(pencere.bilgi.Caption(), "Kurulum dosyası: " + ayar.dosya.string());
  EXPECT_THAT(f.hizmetler.waits, ElementsAre(10000ms)) << "time to read the notice before the end";
}

TEST_F(DosyaIndirTest, ASecondActivationStartsNoSecondDownload) {
  ayar.kurulumCalisir = true;
  Tdosyaindir pencere(4, ayar);
  pencere.FormActivate();
  pencere.FormActivate();
  ASSERT_TRUE(f.Bekle([&] { return f.hizmetler.exitRequests > 0; }));
  f.hizmetler.dispatcher.ProcessUiEvents();
  EXPECT_EQ(f.hizmetler.kabuk.started.size(), 1u);
}

TEST_F(DosyaIndirTest, ARequestErrorIsShownAndEndsTheProgramWithoutASetup) {
  struct Durum {
    std::string adres;
    std::string hata;
  };
  const std::string kapali = "http://127.0.0.1:" + std::to_string(test::FreePort()) + "/exe/ZorvatOtoSetup.exe";
  for (const Durum& d : {Durum{f.WebAdresi() + "exe/YokSetup.exe", "HTTP 404 Not Found"}, Durum{kapali, ""}}) {
    f.hizmetler.exitRequests = 0;
    f.hizmetler.dialogs.plainMessages.clear();
    ayar.adres = d.adres;
    ayar.kurulumCalisir = true;
    Tdosyaindir pencere(4, ayar);
    Indir(pencere);
    ASSERT_EQ(f.hizmetler.dialogs.plainMessages.size(), 1u) << d.adres;
    EXPECT_THAT(f.hizmetler.dialogs.plainMessages[0], StartsWith("Hata Oluştu !\r\nHata: " + d.hata));
    EXPECT_GT(f.hizmetler.dialogs.plainMessages[0].size(), std::string("Hata Oluştu !\r\nHata: ").size());
    EXPECT_FALSE(std::filesystem::exists(ayar.dosya));
    EXPECT_THAT(f.hizmetler.kabuk.started, IsEmpty());
  }
}

TEST_F(DosyaIndirTest, AFileThatCannotBeWrittenIsReportedAndTheWindowStays) {
  ayar.dosya = f.klasor.yol() / "olmayan_klasor" / "ZorvatOtoSetup.exe";
  ayar.kurulumCalisir = true;
  Tdosyaindir pencere(4, ayar);
  pencere.FormActivate();
  ASSERT_TRUE(f.Bekle([&] { return !f.hizmetler.dialogs.plainMessages.empty(); }));
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages[0], StartsWith("Kurulum dosyası yazılamadı"));
  EXPECT_EQ(f.hizmetler.exitRequests, 0);
  EXPECT_THAT(f.hizmetler.kabuk.started, IsEmpty());
}

TEST_F(DosyaIndirTest, ProgressNeedsAKnownLengthAndUsesTheUsersSeparators) {
  Tdosyaindir pencere(4, ayar);
  pencere.NetHTTPClient1ReceiveData(0, 5000);
  EXPECT_EQ(pencere.bilgi.Caption(), "");
  EXPECT_EQ(pencere.ProgressBar1.Position(), 0);

  pencere.NetHTTPClient1ReceiveData(3 * 1048576, 1048576);
  EXPECT_EQ(pencere.bilgi.Caption(), "Bilgi: %33.33  İndirilen: 1.00/3.00 Mb");
  EXPECT_EQ(pencere.ProgressBar1.Max(), 3 * 1048576);
  EXPECT_EQ(pencere.ProgressBar1.Position(), 1048576);

  AyiraclariAyarla(TurkceAyiraclar);
  pencere.NetHTTPClient1ReceiveData(2 * 1048576, 1048576);
  AyiraclariAyarla(IngilizceAyiraclar);
  EXPECT_EQ(pencere.bilgi.Caption(), "Bilgi: %50,00  İndirilen: 1,00/2,00 Mb");
}

}  // namespace
}  // namespace zorvat
