// What the dealer shows around the pages: the scrolling text, the page counters, the
// announcements, the banners and the opening advertisements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/bicim.h"
#include "remote/records.h"
#include "sonuc_denetimi.h"

namespace zorvat::test {
namespace {

using enum FieldType;

// A JPEG file starts with FF D8.
bool JpegMi(const std::string& onaltilik) {
  const std::vector<std::uint8_t> baytlar = HexCoz(onaltilik);
  return baytlar.size() > 2 && baytlar[0] == 0xFF && baytlar[1] == 0xD8;
}

class Bilgiler : public testing::Test {
 protected:
  std::int64_t Sayi(const std::string& sql) const { return sunucu_.VeritabanindanSayi(sql); }
  void Calistir(const std::string& sql) const {
    server::Database db(sunucu_.VeritabaniYolu());
    db.Execute(sql);
  }

  SunucuFiksturu sunucu_;
};

TEST_F(Bilgiler, ScrollingTextIsTheDealersHtml) {
  const Sonuc sonuc = sunucu_.Cagir("KayanYaziGetir", Parametreler());
  ASSERT_EQ(sonuc.Durum(), 200);
  EXPECT_NE(sonuc.Metin(0).find("<b>Zorvat Oto B2B</b>"), std::string::npos) << sonuc.Metin(0);

  Calistir("DELETE FROM ayar WHERE anahtar = 'kayan_yazi'");
  EXPECT_EQ(sunucu_.Cagir("KayanYaziGetir", Parametreler()).Metin(0), "");
}

// Each counter is the number of rows its page lists when it loads, so the badge and the
// page agree; users of kind 4 get no campaign items.
TEST_F(Bilgiler, PageCountersMatchWhatThePagesList) {
  struct Ornek {
    const char* ad;
    TSonucBilgisi oturum;
  };
  const Ornek ornekler[] = {{"müşteri", Oturum(3, 1, 0)}, {"kampanyasız müşteri", Oturum(5, 3, 4)}};
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.ad);
    const std::int32_t carino = o.oturum.CARINO();
    const auto balon = BasariliTablo(sunucu_, "BalonGetir", Parametreler(o.oturum));
    KolonlariDenetle(
        *balon, {{"SEPET", Integer}, {"YENI", Integer}, {"KAMPANYA", Integer}, {"DUYURU", Integer}, {"BAKIYE", Float}});
    ASSERT_EQ(balon->RecordCount(), 1u);
    const auto deger = [&](std::size_t i) { return balon->Fields(i).FloatAt(0); };
    const auto satirSayisi = [&](const char* metot, const std::string& govde) {
      return static_cast<double>(BasariliTablo(sunucu_, metot, govde)->RecordCount());
    };
    EXPECT_EQ(deger(0), satirSayisi("SepetVer2", Parametreler(carino)));
    EXPECT_EQ(deger(1), satirSayisi("YenilerVer2", Parametreler(carino)));
    EXPECT_EQ(deger(2), satirSayisi("KampanyaliVer2", Parametreler(carino, o.oturum.MusteriTipi())));
    const auto duyurular = sunucu_.Cagir("AcilisEkranlarVer2", Parametreler()).KayitAl<TAcilisEkranlariki>(0);
    EXPECT_EQ(deger(3), static_cast<double>(duyurular.Ekranlar().size()));
    // The quantity still to be delivered on the balances page.
    const auto bakiyeler = BasariliTablo(sunucu_, "BakiyelerVer2", Parametreler(carino));
    double kalan = 0;
    for (std::size_t i = 0; i < bakiyeler->RecordCount(); ++i) kalan += bakiyeler->FieldByName("KALAN").FloatAt(i);
    EXPECT_DOUBLE_EQ(deger(4), kalan);
    EXPECT_GT(kalan, 0);
  }
  EXPECT_GT(BasariliTablo(sunucu_, "BalonGetir", Parametreler(Oturum(3, 1, 0)))->Fields(2).FloatAt(0), 0);
}

TEST_F(Bilgiler, PageCountersOnlyForTheUsersOwnAccounts) {
  const Sonuc baskasi = sunucu_.Cagir("BalonGetir", Parametreler(Oturum(3, 2, 0)));
  EXPECT_EQ(baskasi.Durum(), 500);
  EXPECT_EQ(baskasi.Hata(), "Bu cari hesapta işlem yetkiniz yok !");
  // A representative who has not picked a customer yet sees empty account counters.
  const auto secimsiz = BasariliTablo(sunucu_, "BalonGetir", Parametreler(Oturum(1, 0, 1)));
  ASSERT_EQ(secimsiz->RecordCount(), 1u);
  EXPECT_EQ(secimsiz->FieldByName("SEPET").LargeIntAt(0), 0);
  EXPECT_EQ(secimsiz->FieldByName("BAKIYE").FloatAt(0), 0);
}

// The announcements in the dealer's order, pictures as JPEG files in hexadecimal text; one
// without a picture comes with an empty text.
TEST_F(Bilgiler, AnnouncementsWithHexPictures) {
  const Sonuc sonuc = sunucu_.Cagir("AcilisEkranlarVer2", Parametreler());
  ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
  EXPECT_EQ(sonuc.Deger(0)["type"].get_string().value(), "mobilstokunit.TAcilisEkranlariki");
  const std::vector<TAcilisEkran> ekranlar = sonuc.KayitAl<TAcilisEkranlariki>(0).Ekranlar();
  ASSERT_EQ(static_cast<std::int64_t>(ekranlar.size()), Sayi("SELECT count(*) FROM duyuru"));
  ASSERT_GE(ekranlar.size(), 2u);
  EXPECT_EQ(ekranlar.front().Arama(), "#KAMPANYA#");
  EXPECT_FALSE(ekranlar.front().Baslik().empty());
  EXPECT_TRUE(JpegMi(ekranlar.front().Resim()));
  EXPECT_EQ(ekranlar.back().Resim(), "");
  for (std::size_t i = 1; i < ekranlar.size(); ++i) EXPECT_GT(ekranlar[i].SiraNo(), ekranlar[i - 1].SiraNo());

  Calistir("DELETE FROM duyuru");
  EXPECT_TRUE(sunucu_.Cagir("AcilisEkranlarVer2", Parametreler()).KayitAl<TAcilisEkranlariki>(0).Ekranlar().empty());
}

// Each banner's bytes with their length; a place without a banner announces length 0.
TEST_F(Bilgiler, BannersOfTheirPlaces) {
  struct Ornek {
    const char* metot;
    int yer;
    std::string imza;  // how the file starts
  };
  const Ornek ornekler[] = {
      {"BannerResimVer", 1, "GIF8"}, {"BannerResimVer2", 2, "GIF8"}, {"BannerResimVer3", 3, "BM"}};
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.metot);
    const std::string baytlar = AkisBaytlari(sunucu_.Cagir(o.metot, Parametreler()));
    EXPECT_TRUE(baytlar.starts_with(o.imza));
    EXPECT_EQ(static_cast<std::int64_t>(baytlar.size()),
              Sayi("SELECT length(veri) FROM banner WHERE yer = " + std::to_string(o.yer)));
    Calistir("DELETE FROM banner WHERE yer = " + std::to_string(o.yer));
    const Sonuc yok = sunucu_.Cagir(o.metot, Parametreler());
    ASSERT_EQ(yok.Durum(), 200);
    EXPECT_EQ(yok.Tamsayi(0), 0);
    EXPECT_EQ(yok.Metin(1), "");
  }
}

// Positions count from 0 in the dealer's order; a position out of range is an error, so
// the window keeps the advertisement it shows.
TEST_F(Bilgiler, OpeningAdvertisementsByPosition) {
  const Sonuc adet = sunucu_.Cagir("AcilisReklamAdet", Parametreler());
  ASSERT_EQ(adet.Durum(), 200);
  ASSERT_EQ(adet.Tamsayi(0), Sayi("SELECT count(*) FROM acilis_reklam"));
  ASSERT_GT(adet.Tamsayi(0), 1);
  for (int sira = 0; sira < adet.Tamsayi(0); ++sira) {
    const Sonuc reklam = sunucu_.Cagir("AcilisREklamVer", Parametreler(sira));
    ASSERT_EQ(reklam.Durum(), 200) << reklam.Govde();
    EXPECT_EQ(reklam.Deger(0)["type"].get_string().value(), "mobilstokunit.TAcilisEkran");
    const auto ekran = reklam.KayitAl<TAcilisEkran>(0);
    EXPECT_EQ(ekran.SiraNo(),
              Sayi("SELECT sirano FROM acilis_reklam ORDER BY sirano LIMIT 1 OFFSET " + std::to_string(sira)));
    EXPECT_FALSE(ekran.Baslik().empty());
    EXPECT_TRUE(JpegMi(ekran.Resim()));
  }
  for (const int sira : {static_cast<int>(adet.Tamsayi(0)), -1}) {
    const Sonuc yok = sunucu_.Cagir("AcilisREklamVer", Parametreler(sira));
    EXPECT_EQ(yok.Durum(), 500);
    EXPECT_EQ(yok.Hata(), "Açılış reklamı bulunamadı: sıra " + std::to_string(sira));
  }
}

}  // namespace
}  // namespace zorvat::test
