// Changes to open order balances: closing one, setting a new balance, repricing a line;
// each seen afterwards in what BakiyelerVer2 returns, and each refusal leaving the line as
// it was.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/bicim.h"
#include "sonuc_denetimi.h"

namespace zorvat::test {
namespace {

// Account 1 (AHMET's, kind 0) belongs to MURAT (kind 1), account 2 to OZAN (kind 2, with
// price rights); TOLGA is the inactive user of account 4.
const TSonucBilgisi kAhmet = Oturum(3, 1, 0);
const TSonucBilgisi kMurat = Oturum(1, 1, 1);
const TSonucBilgisi kOzan = Oturum(2, 2, 2);
const TSonucBilgisi kTolga = Oturum(6, 4, 0);

// A line of the balances list, with the keys the window sends.
struct Satir {
  std::int64_t stokno = 0, sepetSirano = 0, siparisSirano = 0;
  double miktar = 0, teslimEdilen = 0, kalan = 0, birimFiyat = 0, ilkFiyat = 0, ind1 = 0, ind2 = 0;
  double tutar = 0, netTutar = 0, netBirimFiyat = 0;
  std::string barkod;
};

class BakiyeDegisiklikleri : public testing::Test {
 protected:
  std::vector<Satir> Bakiyeler(std::int32_t carino) {
    const auto tablo = BasariliTablo(sunucu_, "BakiyelerVer2", Parametreler(carino));
    std::vector<Satir> satirlar;
    for (std::size_t i = 0; i < tablo->RecordCount(); ++i) {
      const auto n = [&](const char* ad) { return tablo->FieldByName(ad).LargeIntAt(i); };
      const auto f = [&](const char* ad) { return tablo->FieldByName(ad).FloatAt(i); };
      satirlar.push_back({n("STOK_STOKNO"), n("SIRANO"), n("STOKHAR_NO"), f("MIKTAR"), f("TESLIMEDILEN"), f("KALAN"),
                          f("BIRIMFIYAT"), f("ILKFIYAT"), f("INDIRIMORANI1"), f("INDIRIMORANI2"), f("TUTAR"),
                          f("NETTUTAR"), f("NETBIRIMFIYAT"), tablo->FieldByName("BARKOD").StringAt(i)});
    }
    return satirlar;
  }

  std::optional<Satir> Bul(std::int32_t carino, std::int64_t siparisSirano) {
    for (const Satir& satir : Bakiyeler(carino)) {
      if (satir.siparisSirano == siparisSirano) return satir;
    }
    return std::nullopt;
  }

  // An open line of the account; with `kismen`, one delivered in part.
  Satir AcikSatir(std::int32_t carino, bool kismen = false) {
    for (const Satir& satir : Bakiyeler(carino)) {
      if (!kismen || satir.teslimEdilen > 0) return satir;
    }
    ADD_FAILURE() << "hesap " << carino << " için uygun bakiye satırı yok";
    return {};
  }

  // BakiyeDuzenle or BakiyeDegistir with the seven parameters as the window sends them.
  Sonuc Gonder(const char* metot, const TSonucBilgisi& oturum, const Satir& satir, double bakiye) {
    return sunucu_.Cagir(metot, Parametreler(oturum, satir.stokno, satir.sepetSirano, satir.siparisSirano, bakiye,
                                             bakiye, satir.barkod));
  }

  // BakiyeFiyatDegistir: stock 0, the ordered quantity as quantity and balance.
  Sonuc FiyatGonder(const TSonucBilgisi& oturum, const Satir& satir, double fiyat, double oran) {
    return sunucu_.Cagir("BakiyeFiyatDegistir", Parametreler(oturum, 0, satir.sepetSirano, satir.siparisSirano,
                                                             satir.miktar, satir.miktar, satir.barkod, fiyat, oran));
  }

  std::vector<std::string> SatirDurumu(std::int64_t siparisSirano) {
    return VeritabanindanMetinler(sunucu_,
                                  "SELECT miktar, birimfiyat, ind1, ind2, kalan, tutar FROM siparis_satir "
                                  "WHERE sirano = " +
                                      std::to_string(siparisSirano));
  }

  SunucuFiksturu sunucu_;
};

TEST_F(BakiyeDegisiklikleri, ClosingABalanceTakesTheLineOffTheList) {
  const std::vector<Satir> once = Bakiyeler(1);
  ASSERT_GT(once.size(), 1u);
  const Satir& satir = once.front();

  const Sonuc sonuc = Gonder("BakiyeDuzenle", kAhmet, satir, satir.kalan);
  ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
  EXPECT_EQ(sonuc.Tamsayi(0), 1);
  EXPECT_FALSE(Bul(1, satir.siparisSirano));
  EXPECT_EQ(Bakiyeler(1).size(), once.size() - 1);

  // Closing it again changes nothing and says so.
  const Sonuc tekrar = Gonder("BakiyeDuzenle", kAhmet, satir, satir.kalan);
  ASSERT_EQ(tekrar.Durum(), 200) << tekrar.Govde();
  EXPECT_EQ(tekrar.Tamsayi(0), 0);
}

// A balance below what is left keeps the ordered quantity; one above it means the customer
// wants more, and the ordered quantity and its amounts grow with it.
TEST_F(BakiyeDegisiklikleri, SettingABalance) {
  const Satir satir = AcikSatir(1, /*kismen=*/true);
  struct Ornek {
    double bakiye;
    double miktar;
  };
  const Ornek ornekler[] = {
      {1, satir.miktar},
      {satir.miktar - satir.teslimEdilen + 3, satir.miktar + 3},
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.bakiye);
    const Sonuc sonuc = Gonder("BakiyeDegistir", kMurat, satir, o.bakiye);
    ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
    EXPECT_EQ(sonuc.Tamsayi(0), 1);
    const std::optional<Satir> sonra = Bul(1, satir.siparisSirano);
    ASSERT_TRUE(sonra);
    EXPECT_DOUBLE_EQ(sonra->kalan, o.bakiye);
    EXPECT_DOUBLE_EQ(sonra->miktar, o.miktar);
    EXPECT_DOUBLE_EQ(sonra->teslimEdilen, satir.teslimEdilen);
    EXPECT_NEAR(sonra->tutar, Yuvarla2(o.miktar * satir.birimFiyat), 0.001);
  }
}

// The price dialog's price and single rate: the line then has the dialog's net price (a
// second rate it had no longer applies), and its first price stays.
TEST_F(BakiyeDegisiklikleri, RepricingGivesTheDialogsNetPrice) {
  const auto carino = static_cast<std::int32_t>(sunucu_.VeritabanindanSayi(
      "SELECT o.carino FROM siparis_satir ss JOIN siparis o USING (idno) JOIN cari c USING (carino) "
      "WHERE c.satici_no = 2 AND ss.kalan > 0 AND ss.ind2 > 0 LIMIT 1"));
  Satir satir;
  for (const Satir& aday : Bakiyeler(carino)) {
    if (aday.ind2 > 0) satir = aday;
  }
  ASSERT_GT(satir.ind2, 0);
  const Sonuc sonuc = FiyatGonder(kOzan, satir, 100, 10);
  ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
  EXPECT_EQ(sonuc.Tamsayi(0), 1);
  const std::optional<Satir> sonra = Bul(carino, satir.siparisSirano);
  ASSERT_TRUE(sonra);
  EXPECT_DOUBLE_EQ(sonra->birimFiyat, 100);
  EXPECT_DOUBLE_EQ(sonra->ind1, 10);
  EXPECT_DOUBLE_EQ(sonra->ind2, 0);
  EXPECT_DOUBLE_EQ(sonra->netBirimFiyat, 90);
  EXPECT_NEAR(sonra->netTutar, 90 * satir.miktar, 0.001);
  EXPECT_NEAR(sonra->tutar, 100 * satir.miktar, 0.001);
  EXPECT_DOUBLE_EQ(sonra->ilkFiyat, satir.ilkFiyat);
  EXPECT_DOUBLE_EQ(sonra->kalan, satir.kalan);
}

// Every refusal answers an error the window shows (it ignores the number it gets back, so
// an answer of 0 would pass for success) and changes nothing.
TEST_F(BakiyeDegisiklikleri, RefusalsAreErrorsAndChangeNothing) {
  const Satir birinin = AcikSatir(1);
  const Satir ikininin = AcikSatir(2);
  const Satir pasifin = AcikSatir(4);
  Satir uyusmayan = birinin;
  ++uyusmayan.sepetSirano;
  Satir olmayan = birinin;
  olmayan.siparisSirano = 999999;
  Satir kapali = birinin;
  kapali.siparisSirano = sunucu_.VeritabanindanSayi(
      "SELECT ss.sirano FROM siparis_satir ss JOIN siparis o USING (idno) WHERE o.carino = 1 AND ss.kalan = 0 "
      "LIMIT 1");
  kapali.sepetSirano = sunucu_.VeritabanindanSayi("SELECT sepet_sirano FROM siparis_satir WHERE sirano = " +
                                                  std::to_string(kapali.siparisSirano));

  const char* const kYetkiYok = "Bu cari hesapta işlem yetkiniz yok !";
  const char* const kSatirYok = "Sipariş satırı bulunamadı !";
  const char* const kFiyatYetkisiYok = "Fiyat değiştirme yetkiniz yok !";
  struct Ornek {
    const char* ad;
    const Satir& satir;
    std::function<Sonuc()> gonder;
    std::string hata;
  };
  const auto bakiye = [this](const TSonucBilgisi& oturum, const Satir& satir, double yeni) {
    return [this, oturum, satir, yeni] { return Gonder("BakiyeDegistir", oturum, satir, yeni); };
  };
  const auto fiyat = [this](const TSonucBilgisi& oturum, const Satir& satir, double f, double oran) {
    return [this, oturum, satir, f, oran] { return FiyatGonder(oturum, satir, f, oran); };
  };
  const Ornek ornekler[] = {
      {"başka satıcının müşterisi", birinin, bakiye(kOzan, birinin, 2), kYetkiYok},
      {"müşteri başka hesapta", ikininin, bakiye(kAhmet, ikininin, 2), kYetkiYok},
      {"başka satıcının müşterisini silmek", birinin, [&] { return Gonder("BakiyeDuzenle", kOzan, birinin, 0); },
       kYetkiYok},
      {"pasif kullanıcı", pasifin, bakiye(kTolga, pasifin, 2), "Kullanıcı hesabınız aktif değil !"},
      {"bilinmeyen kullanıcı", birinin, bakiye(Oturum(999, 1, 0), birinin, 2), "Kullanıcı bulunamadı !"},
      {"satır numaraları uyuşmuyor", birinin, bakiye(kMurat, uyusmayan, 2), kSatirYok},
      {"bilinmeyen satır", birinin, bakiye(kMurat, olmayan, 2), kSatirYok},
      {"kapalı satır", kapali, bakiye(kMurat, kapali, 2), "Bu sipariş satırının açık bakiyesi yok !"},
      {"sıfır bakiye", birinin, bakiye(kMurat, birinin, 0), "Yeni bakiye 0'dan büyük olmalıdır !"},
      {"eksi bakiye", birinin, bakiye(kMurat, birinin, -2), "Yeni bakiye 0'dan büyük olmalıdır !"},
      {"çok büyük bakiye", birinin, bakiye(kMurat, birinin, 1e6), "Yeni bakiye en çok 100.000 olabilir !"},
      {"fiyat yetkisiz satıcı", birinin, fiyat(kMurat, birinin, 100, 10), kFiyatYetkisiYok},
      {"fiyat değiştiren müşteri", birinin, fiyat(kAhmet, birinin, 100, 10), kFiyatYetkisiYok},
      {"fiyat başka satıcının müşterisine", birinin, fiyat(kOzan, birinin, 100, 10), kYetkiYok},
      {"yüzden büyük indirim", ikininin, fiyat(kOzan, ikininin, 100, 150),
       "İndirim oranı 0 ile 100 arasında olmalıdır !"},
      {"eksi fiyat", ikininin, fiyat(kOzan, ikininin, -1, 0), "Fiyat 0 ile 1.000.000.000 arasında olmalıdır !"},
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.ad);
    const std::vector<std::string> once = SatirDurumu(o.satir.siparisSirano);
    const Sonuc sonuc = o.gonder();
    ASSERT_EQ(sonuc.Durum(), 500) << sonuc.Govde();
    EXPECT_EQ(sonuc.Hata(), o.hata);
    EXPECT_EQ(SatirDurumu(o.satir.siparisSirano), once);
  }
}

}  // namespace
}  // namespace zorvat::test
