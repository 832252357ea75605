// The main window's start-up and frame: the login through the real login window against
// the reference server, the frame by kind of user, the start-up batch, the customer change
// of the sales representatives, the general menu and the exit question.
#include "app/ana_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "account/cari_secim.h"
#include "session/giris_formu.h"
#include "session/kullanici_kayit.h"
#include "support/oturum_fiksturu.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// The user of the scripted windows: logs in with the name and password, and in the
// customer selection takes the customer on the given row.
class Kullanici {
 public:
  Kullanici(test::OturumFiksturu& f, std::string ad, std::size_t cariSirasi = 0)
      : f_(f), ad_(std::move(ad)), cariSirasi_(cariSirasi) {
    f_.hizmetler.dialogs.onWindow = [this](FormState& form) { return Karsila(form); };
  }

  std::vector<std::string> acilanlar;

 private:
  int Karsila(FormState& form) {
    acilanlar.push_back(form.Caption());
    if (auto* giris = dynamic_cast<Tgirisform*>(&form)) {
      giris->adi.Type(ad_);
      giris->sifre.Type("1234\r");
      f_.Bekle([&] { return giris->ModalResult() != 0 || giris->Button1.Enabled(); });
    } else if (auto* seccari = dynamic_cast<Tseccari*>(&form)) {
      seccari->sBitBtn2.Click();
      seccari->cxGrid1DBTableView1.SetFocusedRow(cariSirasi_);
      seccari->Button1.Click();
    }
    return form.ModalResult() != 0 ? form.ModalResult() : mrCancel;
  }

  test::OturumFiksturu& f_;
  std::string ad_;
  std::size_t cariSirasi_;
};

class AnaFormTest : public testing::Test {
 protected:
  explicit AnaFormTest(std::string bilgisayarId = "DEMO-AHMET") : f(std::move(bilgisayarId)), form(f.Ortam()) {}

  // FormCreate, then the start-up batch up to the filled header.
  void Baslat() {
    form.FormCreate();
    ASSERT_TRUE(f.Bekle([&] { return !form.kullanicilbl.Caption().empty(); }));
  }

  test::OturumFiksturu f;
  TForm1 form;
};

TEST_F(AnaFormTest, TheDesignTimeFrame) {
  EXPECT_EQ(form.Caption(), "Zorvat Oto B2B Programı");
  std::vector<std::string> sayfalar;
  for (std::size_t i = 0; i < form.sPageControl1.PageCount(); ++i)
    sayfalar.push_back(form.sPageControl1.Page(i).caption);
  EXPECT_THAT(sayfalar, ElementsAre("Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre", "Yeni Stoklar",
                                    "Kampanyalı Stoklar", "Duyurular", "Bakiyeler", "Sanal Pos", "İletişim"));
  EXPECT_EQ(form.sPageControl1.ActivePageName(), "sstoklistesi");
  EXPECT_TRUE(form.araedit.Focused());
  EXPECT_EQ(form.araedit.Casing(), CharCase::Upper);
  EXPECT_EQ(form.SpeedButton2.Hint(), "Ara");
  EXPECT_EQ(form.SpeedButton1.Hint(), "Temizle");
  EXPECT_EQ(form.musteritus.Caption(), "Başka Cari Seç");
  EXPECT_FALSE(form.musteritus.Visible());
  for (const BusyAnimationState* gif : {&form.gifstokara, &form.gifyeniler, &form.gifkampanyali, &form.gifduyuru,
                                        &form.gifoncekiler, &form.gifsepet, &form.gifekstre}) {
    EXPECT_FALSE(gif->Visible());
  }

  std::vector<std::string> menu;
  for (const MenuItemState& oge : form.Genelmenu.Items()) menu.push_back(oge.caption);
  EXPECT_THAT(menu, ElementsAre("Mail Gönder", "-", "Şifre Değiştirme İsteği", "-", "127.0.0.1:8080", "-", "Çıkış", "-",
                                "Raporlar"));
  EXPECT_FALSE(form.Genelmenu.Item("R1").visible);
  // Items whose windows come later do nothing yet.
  for (const char* ad : {"M1", "WebSitesi1", "R1"}) form.Genelmenu.Choose(ad);
  EXPECT_EQ(f.hizmetler.dialogs.windowsShown, 0);
  EXPECT_THAT(f.hizmetler.dialogs.shownDialogs, IsEmpty());
}

// What the frame shows of the rules by kind.
struct Cerceve {
  bool baskaCari;
  bool raporlar;
  bool kampanyaSayfasi;
  bool sepetDurumu;
  bool kalan;
  bool kampanyaSutunlari;

  bool operator==(const Cerceve&) const = default;
};

void PrintTo(const Cerceve& c, std::ostream* os) {
  *os << "{başka cari " << c.baskaCari << ", raporlar " << c.raporlar << ", kampanya sayfası " << c.kampanyaSayfasi
      << ", sepet durumu " << c.sepetDurumu << ", kalan " << c.kalan << ", kampanya sütunları " << c.kampanyaSutunlari
      << "}";
}

bool Gorunur(GridView& view, const char* sutun) {
  const GridColumn& kolon = view.Column(sutun);
  EXPECT_EQ(kolon.visible, kolon.offered) << sutun << ": shown means offered in the chooser";
  return kolon.visible;
}

Cerceve CerceveOku(TForm1& form) {
  const bool kalan = Gorunur(form.stokListesi.cxGrid1DBTableView1, "cxGrid1DBTableView1KALAN");
  for (auto [view, sutun] : {std::pair{&form.stokListesi.cxGrid1DBTableView1, "cxGrid1DBTableView1ALINANSIPARIS"},
                             std::pair{&form.stokListesi.cxGrid1DBTableView1, "cxGrid1DBTableView1VERILENSIPARIS"},
                             std::pair{&form.cxGridDBTableViewkampanyali, "cxGridDBColumnKALAN"},
                             std::pair{&form.cxGridDBTableViewkampanyali, "cxGridDBColumn49"},
                             std::pair{&form.cxGridDBTableViewkampanyali, "cxGridDBColumn50"},
                             std::pair{&form.sepetSayfasi.cxGridDBTableView1, "cxGridDBTableView1KALAN"},
                             std::pair{&form.cxGridDBTableView5, "cxGridDBColumn19"},
                             std::pair{&form.cxGridDBTableView5, "cxGridDBColumn22"},
                             std::pair{&form.cxGridDBTableView5, "cxGridDBColumn23"}}) {
    EXPECT_EQ(Gorunur(*view, sutun), kalan) << sutun;
  }
  const bool kampanya = Gorunur(form.stokListesi.cxGrid1DBTableView1, "cxGrid1DBTableView1KAMPFIYAT");
  for (auto [view, sutun] : {std::pair{&form.stokListesi.cxGrid1DBTableView1, "cxGrid1DBTableView1K"},
                             std::pair{&form.cxGridDBTableView5, "cxGridDBTableView5K"},
                             std::pair{&form.cxGridDBTableView5, "cxGridDBTableView5KAMPFIYAT"}}) {
    EXPECT_EQ(Gorunur(*view, sutun), kampanya) << sutun;
  }
  const auto& sayfalar = form.sPageControl1;
  return {form.musteritus.Visible(),
          form.Genelmenu.Item("R1").visible,
          sayfalar.Page(sayfalar.IndexOf("skampanyali")).tabVisible,
          Gorunur(form.sepetSayfasi.cxGridDBTableView1, "cxGridDBTableView1DURUM"),
          kalan,
          kampanya};
}

TEST_F(AnaFormTest, TheFrameByKindOfUser) {
  const Cerceve tasarim{false, false, true, true, false, true};
  EXPECT_EQ(CerceveOku(form), tasarim);
  const std::pair<int, Cerceve> kDurumlar[] = {
      {0, tasarim},
      {1, {true, true, true, true, true, true}},
      {2, {true, true, true, true, true, true}},
      {3, {false, false, true, false, false, true}},
      {4, {false, false, false, true, false, false}},
      {7, tasarim},
  };
  for (const auto& [tur, beklenen] : kDurumlar) {
    TForm1 yeni(f.Ortam());
    yeni.sbilgi.SetMusteriTipi(tur);
    yeni.KullaniciTuruneGoreAyarla();
    EXPECT_EQ(CerceveOku(yeni), beklenen) << "kind " << tur;
  }
}

TEST_F(AnaFormTest, ACustomerLogsInAndTheStartUpBatchFillsTheHeader) {
  Kullanici kullanici(f, "AHMET");
  Baslat();
  EXPECT_THAT(kullanici.acilanlar, ElementsAre("Giriş"));
  EXPECT_EQ(form.kullanicilbl.Caption(), "AHMET");
  EXPECT_EQ(form.cariadilbl.Caption(), "YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.");
  EXPECT_EQ(form.saticilbl.Caption(), "Murat Kaya Telefonu: 0532 411 27 35 email: murat.kaya@zorvatoto.com.tr");
  EXPECT_EQ(form.bagc.Params().Port, std::to_string(f.sunucu.Port()));
  EXPECT_EQ(form.sbilgi.BilgiSayarAdi(), "MUHASEBE-PC");
  EXPECT_FALSE(form.musteritus.Visible());
  EXPECT_EQ(f.hizmetler.exitRequests, 0);
  EXPECT_THAT(f.hizmetler.dialogs.shownDialogs, IsEmpty());
}

TEST_F(AnaFormTest, ACancelledLoginEndsTheProgramBeforeTheFrameIsSet) {
  f.hizmetler.dialogs.onWindow = [](FormState&) { return mrCancel; };
  form.FormCreate();
  EXPECT_EQ(f.hizmetler.exitRequests, 1);
  f.hizmetler.dispatcher.ProcessUiEvents();
  EXPECT_EQ(form.kullanicilbl.Caption(), "") << "no start-up batch";
}

TEST_F(AnaFormTest, AStepThatFailsEndsTheBatchAndItsErrorIsShown) {
  Kullanici kullanici(f, "AHMET");
  bool sonrakiCalisti = false;
  form.baslangicAdimlari.push_back([] { throw std::runtime_error("Banner okunamadı"); });
  form.baslangicAdimlari.push_back([&] { sonrakiCalisti = true; });
  Baslat();
  ASSERT_TRUE(f.Bekle([&] { return !f.hizmetler.dialogs.plainMessages.empty(); }));
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages, ElementsAre("Banner okunamadı"));
  EXPECT_FALSE(sonrakiCalisti);
}

TEST_F(AnaFormTest, TheExitQuestionEndsOnlyOnYes) {
  for (int cevap : {mrNo, mrCancel, mrYes}) {
    f.hizmetler.dialogs.shownDialogs.clear();
    f.hizmetler.dialogs.answers = {cevap};
    form.Genelmenu.Choose("G1");
    ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u);
    const MesajPenceresi& soru = f.hizmetler.dialogs.shownDialogs[0];
    EXPECT_EQ(soru.metin, "Programdan Çıkmak İstiyor musunuz ?");
    EXPECT_EQ(soru.baslik, "Soru");
    EXPECT_EQ(soru.sekmeSirasi.front(), MsgDlgBtn::Yes);
    EXPECT_EQ(soru.odak, MsgDlgBtn::Yes);
    EXPECT_EQ(f.hizmetler.exitRequests, cevap == mrYes ? 1 : 0) << cevap;
  }
  f.hizmetler.dialogs.answers = {mrNo};
  EXPECT_FALSE(form.FormCloseQuery()) << "the close is refused";
}

TEST_F(AnaFormTest, ThePasswordRequestWindowOpensFromTheMenu) {
  Kullanici kullanici(f, "AHMET");
  Baslat();
  std::string kimlik;
  f.hizmetler.dialogs.onWindow = [&](FormState& pencere) {
    kimlik = dynamic_cast<Tkullanicikayit&>(pencere).lblid.Caption();
    return mrCancel;
  };
  form.Genelmenu.Choose("N4");
  EXPECT_EQ(kimlik, "Bilgisayar ID: DEMO-AHMET");
}

class TemsilciAnaFormTest : public AnaFormTest {
 protected:
  TemsilciAnaFormTest() : AnaFormTest("DEMO-MURAT") {}
};

TEST_F(TemsilciAnaFormTest, ARepresentativeStartsWithTheCustomerHeChose) {
  Kullanici kullanici(f, "MURAT", 4);
  Baslat();
  EXPECT_THAT(kullanici.acilanlar, ElementsAre("Giriş", "Cari Seçimi"));
  EXPECT_EQ(form.kullanicilbl.Caption(), "MURAT");
  EXPECT_EQ(form.cariadilbl.Caption(), form.sbilgi.CariAdi());
  EXPECT_FALSE(form.cariadilbl.Caption().empty());
  EXPECT_TRUE(form.musteritus.Visible());
  EXPECT_TRUE(form.Genelmenu.Item("R1").visible);
}

TEST_F(TemsilciAnaFormTest, AnotherCustomerRefreshesTheHeaderAndEmptiesTheStockList) {
  Kullanici ilk(f, "MURAT", 0);
  Baslat();
  const std::string ilkCari = form.cariadilbl.Caption();
  form.stokListesi.stok.DefineFields({{"ADI", FieldType::String, 50}});
  form.stokListesi.stok.CreateDataSet();
  form.stokListesi.stok.Append();
  form.stokListesi.stok.FieldByName("ADI").SetAsString("FREN BALATASI");
  form.stokListesi.stok.Post();
  form.sPageControl1.SetCaption("sstoklistesi", "1=Stok Listesi");
  form.sPageControl1.SetActivePage("ssepet");
  ASSERT_TRUE(f.Bekle([&] { return !form.sepetSayfasi.Yukleniyor(); }));

  Kullanici ikinci(f, "MURAT", 3);
  form.musteritus.Click();
  EXPECT_THAT(ikinci.acilanlar, ElementsAre("Cari Seçimi"));
  EXPECT_NE(form.cariadilbl.Caption(), ilkCari);
  EXPECT_EQ(form.cariadilbl.Caption(), form.sbilgi.CariAdi());
  const auto sepettekiler =
      f.Satirlar("SELECT COUNT(*) FROM sepet WHERE carino = " + std::to_string(form.sbilgi.CARINO()));
  EXPECT_EQ(form.sepetSayfasi.sepet.RecordCount(), std::stoul(sepettekiler.at(0).at(0)));
  EXPECT_EQ(form.sPageControl1.Page(1).caption, sepettekiler.at(0).at(0) + "=Sepet");
  EXPECT_TRUE(form.stokListesi.stok.Active());
  EXPECT_EQ(form.stokListesi.stok.RecordCount(), 0u);
  EXPECT_EQ(form.sPageControl1.Page(0).caption, "0=Stok Listesi");
  EXPECT_EQ(form.sPageControl1.ActivePageName(), "sstoklistesi");
  EXPECT_TRUE(form.araedit.Focused());
}

TEST_F(TemsilciAnaFormTest, VazgecInTheCustomerSelectionOfTheMainWindowEndsTheProgram) {
  Kullanici kullanici(f, "MURAT", 0);
  Baslat();
  f.hizmetler.dialogs.onWindow = [](FormState& pencere) {
    dynamic_cast<Tseccari&>(pencere).Button2.Click();
    return mrCancel;
  };
  form.musteritus.Click();
  EXPECT_EQ(f.hizmetler.exitRequests, 1);
}

}  // namespace
}  // namespace zorvat
