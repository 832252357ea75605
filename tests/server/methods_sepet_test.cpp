// The basket and sending an order: lines priced as the add dialog prices them, ticks,
// changes and deletions, the order made of exactly the ticked lines, and refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "server_fixture.h"

namespace zorvat::test {
namespace {

// Account 1 (rates 10 + 5) belongs to representative 1 (MURAT, kind 1); its user is AHMET.
const TSonucBilgisi kAhmet = Oturum(3, 1, 0);
const TSonucBilgisi kMurat = Oturum(1, 1, 1);

struct SepetSatiri {
  std::int64_t sirano;
  std::int64_t stokno;
  std::int64_t sec;
  double miktar, birimFiyat, tutar, indirimTutar, netTutar, netBirimFiyat, vergiTutari, kdvliTutar;
  double oran1, oran2;
};

class Sepet : public testing::Test {
 protected:
  // SepetEkle2 with the fourteen parameters in their order.
  Sonuc Ekle(const TSonucBilgisi& oturum, std::int32_t carino, std::int64_t stokno, double miktar, double fiyat,
             double ind1, double ind2 = 0) {
    return sunucu_.Cagir("SepetEkle2", Parametreler(oturum, carino, stokno, "BARKOD", "ADI", miktar, 20.0, fiyat, ind1,
                                                    oturum.Sirano(), 0, ind2, 0.0, 0.0));
  }
  // SepetGuncelle2: stokno goes as 0, the line by its number.
  Sonuc Guncelle(const TSonucBilgisi& oturum, std::int32_t carino, std::int64_t sirano, double miktar, double fiyat,
                 double ind1) {
    return sunucu_.Cagir("SepetGuncelle2", Parametreler(oturum, carino, 0, "BARKOD", "ADI", miktar, 20.0, fiyat, ind1,
                                                        oturum.Sirano(), sirano, 0.0, 0.0, 0.0));
  }

  std::vector<SepetSatiri> Satirlar(std::int32_t carino) {
    MemTable tablo;
    const Sonuc sonuc = sunucu_.Cagir("SepetVer2", Parametreler(carino));
    EXPECT_EQ(sonuc.Durum(), 200);
    sonuc.Tablo(0, tablo);
    std::vector<SepetSatiri> satirlar;
    for (std::size_t i = 0; i < tablo.RecordCount(); ++i) {
      const auto f = [&](const char* ad) { return tablo.FieldByName(ad).FloatAt(i); };
      const auto n = [&](const char* ad) { return tablo.FieldByName(ad).LargeIntAt(i); };
      satirlar.push_back({n("SIRANO"), n("STOKNO"), n("SEC"), f("MIKTAR"), f("BIRIMFIYAT"), f("TUTAR"),
                          f("INDIRIMTUTAR"), f("NETTUTAR"), f("NETBIRIMFIYAT"), f("VERGITUTARI"), f("KDVLITUTAR"),
                          f("INDIRIMORANI1"), f("INDIRIMORANI2")});
    }
    return satirlar;
  }

  // A stock item of the catalogue that is not on campaign.
  std::int64_t KampanyasizStok() {
    return sunucu_.VeritabanindanSayi("SELECT stokno FROM stok WHERE kampanya = 0 ORDER BY stokno LIMIT 1");
  }

  SunucuFiksturu sunucu_;
};

struct TutarOrnegi {
  double miktar, fiyat, ind1, ind2;
  double indirimTutar, netBirimFiyat, kdvliTutar;
};

// A representative's line takes his price and rates; its amounts are the add dialog's.
TEST_F(Sepet, LineAmountsAreTheAddDialogs) {
  const TutarOrnegi ornekler[] = {
      {3, 100, 10, 5, 43.5, 85.5, 307.8},
      {3, 9.99, 0, 0, 0, 9.99, 35.97},
  };
  const std::int64_t stokno = KampanyasizStok();
  for (const TutarOrnegi& o : ornekler) {
    sunucu_.Cagir("SepetHepsiniSil", Parametreler(kMurat));
    ASSERT_EQ(Ekle(kMurat, 1, stokno, o.miktar, o.fiyat, o.ind1, o.ind2).Tamsayi(0), 1);
    const std::vector<SepetSatiri> satirlar = Satirlar(1);
    ASSERT_EQ(satirlar.size(), 1u);
    const SepetSatiri& s = satirlar[0];
    EXPECT_EQ(s.sec, 1) << "a new line starts ticked";
    EXPECT_DOUBLE_EQ(s.indirimTutar, o.indirimTutar);
    EXPECT_DOUBLE_EQ(s.netBirimFiyat, o.netBirimFiyat);
    EXPECT_DOUBLE_EQ(s.kdvliTutar, o.kdvliTutar);
    EXPECT_DOUBLE_EQ(s.tutar - s.indirimTutar, s.netTutar);
    EXPECT_DOUBLE_EQ(s.netTutar + s.vergiTutari, s.kdvliTutar);
  }
}

// A customer cannot set his own price: his line has the catalogue's price for his account.
TEST_F(Sepet, CustomersLineHasTheCataloguePrice) {
  sunucu_.Cagir("SepetHepsiniSil", Parametreler(kAhmet));
  const std::int64_t stokno = KampanyasizStok();
  ASSERT_EQ(Ekle(kAhmet, 1, stokno, 2, 0.01, 90).Tamsayi(0), 1);
  const std::vector<SepetSatiri> satirlar = Satirlar(1);
  ASSERT_EQ(satirlar.size(), 1u);
  const std::int64_t listeKurus = sunucu_.VeritabanindanSayi(
      "SELECT CAST(round(listefiyat * 100) AS INTEGER) FROM stok "
      "WHERE stokno = " +
      std::to_string(stokno));
  EXPECT_EQ(std::llround(satirlar[0].birimFiyat * 100), listeKurus);
  EXPECT_EQ(satirlar[0].oran1, 10);
  EXPECT_EQ(satirlar[0].oran2, 5);

  // Changing it keeps the price and rates; only the quantity follows the customer.
  ASSERT_EQ(Guncelle(kAhmet, 1, satirlar[0].sirano, 4, 0.01, 90).Tamsayi(0), 1);
  const SepetSatiri degisen = Satirlar(1)[0];
  EXPECT_EQ(degisen.miktar, 4);
  EXPECT_DOUBLE_EQ(degisen.birimFiyat, satirlar[0].birimFiyat);
  EXPECT_EQ(degisen.oran1, 10);
}

TEST_F(Sepet, RepresentativeChangesPriceAndQuantity) {
  sunucu_.Cagir("SepetHepsiniSil", Parametreler(kMurat));
  ASSERT_EQ(Ekle(kMurat, 1, KampanyasizStok(), 1, 50, 0).Tamsayi(0), 1);
  const std::int64_t sirano = Satirlar(1)[0].sirano;
  ASSERT_EQ(Guncelle(kMurat, 1, sirano, 3, 100, 10).Tamsayi(0), 1);
  const SepetSatiri s = Satirlar(1)[0];
  EXPECT_EQ(s.miktar, 3);
  EXPECT_EQ(s.birimFiyat, 100);
  EXPECT_EQ(s.oran1, 10);
  EXPECT_DOUBLE_EQ(s.netTutar, 270);
}

// Unknown keys and quantities that are not positive answer 0 and change nothing.
TEST_F(Sepet, RefusedLinesAnswerZero) {
  const std::int64_t stokno = KampanyasizStok();
  const std::size_t once = Satirlar(1).size();
  const std::int64_t baskaHesabinSatiri =
      sunucu_.VeritabanindanSayi("SELECT sirano FROM sepet WHERE carino <> 1 LIMIT 1");
  struct Durum {
    const char* neden;
    Sonuc sonuc;
  };
  const Durum durumlar[] = {
      {"unknown stock", Ekle(kAhmet, 1, 999999, 1, 10, 0)},
      {"zero quantity", Ekle(kAhmet, 1, stokno, 0, 10, 0)},
      {"negative quantity", Ekle(kAhmet, 1, stokno, -2, 10, 0)},
      {"unknown account", Ekle(kMurat, 9999, stokno, 1, 10, 0)},
      {"unknown giver", Ekle(Oturum(999, 1, 0), 1, stokno, 1, 10, 0)},
      {"rate above 100", Ekle(kMurat, 1, stokno, 1, 10, 150)},
      {"negative price", Ekle(kMurat, 1, stokno, 1, -10, 0)},
      {"quantity that would overflow the amounts", Ekle(kMurat, 1, stokno, 1e300, 10, 0)},
      {"price that would overflow the amounts", Ekle(kMurat, 1, stokno, 1, 1e300, 0)},
      {"unknown line", Guncelle(kAhmet, 1, 999999, 1, 10, 0)},
      {"line of another account", Guncelle(kMurat, 1, baskaHesabinSatiri, 1, 10, 0)},
      {"zero quantity change", Guncelle(kAhmet, 1, Satirlar(1)[0].sirano, 0, 10, 0)},
  };
  for (const Durum& d : durumlar) {
    ASSERT_EQ(d.sonuc.Durum(), 200) << d.neden << ": " << d.sonuc.Govde();
    EXPECT_EQ(d.sonuc.Tamsayi(0), 0) << d.neden;
  }
  EXPECT_EQ(Satirlar(1).size(), once);
}

// Acting on an account that is not one's own is an error with a message for the user.
TEST_F(Sepet, OthersAccountsAreRefusedWithAMessage) {
  const std::int64_t stokno = KampanyasizStok();
  const TSonucBilgisi mehmet = Oturum(4, 2, 3);  // account 2
  const TSonucBilgisi tolga = Oturum(6, 4, 0);   // inactive
  const TSonucBilgisi ozan = Oturum(2, 2, 2);    // representative of even accounts
  struct Durum {
    Sonuc sonuc;
    const char* mesaj;
  };
  const Durum durumlar[] = {
      {Ekle(mehmet, 1, stokno, 1, 10, 0), "Bu cari hesapta işlem yetkiniz yok !"},
      {Ekle(ozan, 1, stokno, 1, 10, 0), "Bu cari hesapta işlem yetkiniz yok !"},
      {Ekle(tolga, 4, stokno, 1, 10, 0), "Kullanıcı hesabınız aktif değil !"},
      {sunucu_.Cagir("SepetHepsiniSil", Parametreler(Oturum(4, 1, 3))), "Bu cari hesapta işlem yetkiniz yok !"},
      {sunucu_.Cagir("SiparisKaydet", Parametreler(mehmet, 1, 2, 1, "", 4, 1)), "Bu cari hesapta işlem yetkiniz yok !"},
  };
  for (const Durum& d : durumlar) {
    EXPECT_EQ(d.sonuc.Durum(), 500) << d.sonuc.Govde();
    if (d.sonuc.Durum() == 500) {
      EXPECT_EQ(d.sonuc.Hata(), d.mesaj);
    }
  }
  EXPECT_EQ(Satirlar(1).size(), 3u);
}

TEST_F(Sepet, TicksDeletionsAndEmptying) {
  std::vector<SepetSatiri> satirlar = Satirlar(1);
  ASSERT_EQ(satirlar.size(), 3u);
  for (const SepetSatiri& s : satirlar) {
    sunucu_.Cagir("SepetSecimGuncelle", Parametreler(static_cast<std::int32_t>(s.sirano), 0));
  }
  for (const SepetSatiri& s : Satirlar(1)) EXPECT_EQ(s.sec, 0);
  sunucu_.Cagir("SepetSecimGuncelle", Parametreler(static_cast<std::int32_t>(satirlar[1].sirano), 7));
  EXPECT_EQ(Satirlar(1)[1].sec, 1) << "any other value than 0 ticks";

  // A line is deleted only from the session's own account.
  const std::int32_t ilk = static_cast<std::int32_t>(satirlar[0].sirano);
  EXPECT_EQ(sunucu_.Cagir("SepetSatirSil", Parametreler(Oturum(2, 2, 2), ilk, "X")).Tamsayi(0), 0);
  EXPECT_EQ(sunucu_.Cagir("SepetSatirSil", Parametreler(kAhmet, ilk, "BARKOD-ADI")).Tamsayi(0), 1);
  EXPECT_EQ(Satirlar(1).size(), 2u);
  EXPECT_EQ(sunucu_.Cagir("SepetHepsiniSil", Parametreler(kAhmet)).Tamsayi(0), 2);
  EXPECT_TRUE(Satirlar(1).empty());
  EXPECT_FALSE(Satirlar(2).empty()) << "other baskets stay";
}

// The ticked lines become one order, in one piece, and leave the basket; the unticked stay.
TEST_F(Sepet, OrderTakesExactlyTheTickedLines) {
  const std::int64_t stokno = KampanyasizStok();
  ASSERT_EQ(Ekle(kAhmet, 1, stokno, 2, 0, 0).Tamsayi(0), 1);
  std::vector<SepetSatiri> satirlar = Satirlar(1);
  ASSERT_EQ(satirlar.size(), 4u);
  sunucu_.Cagir("SepetSecimGuncelle", Parametreler(static_cast<std::int32_t>(satirlar[0].sirano), 0));
  sunucu_.Cagir("SepetSecimGuncelle", Parametreler(static_cast<std::int32_t>(satirlar[1].sirano), 0));
  const std::int64_t siparisOnce = sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis");

  const Sonuc sonuc = sunucu_.Cagir("SiparisKaydet", Parametreler(kAhmet, 1, 2, 1, "Öğleden önce lütfen", 3, 2));
  ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
  EXPECT_TRUE(sonuc.Mantiksal(0));

  std::vector<SepetSatiri> kalan = Satirlar(1);
  ASSERT_EQ(kalan.size(), 2u);
  EXPECT_EQ(kalan[0].sirano, satirlar[0].sirano);
  EXPECT_EQ(kalan[1].sirano, satirlar[1].sirano);
  EXPECT_EQ(sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis"), siparisOnce + 1);
  const std::string siparis = "(SELECT max(idno) FROM siparis)";
  EXPECT_EQ(sunucu_.VeritabanindanSayi("SELECT durum * 1000 + carino * 100 + teslim * 10 + kargo FROM siparis "
                                       "WHERE idno = " +
                                       siparis),
            2000 + 100 + 20 + 2);
  EXPECT_EQ(sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis_satir WHERE idno = " + siparis), 2);
  const std::string tasinan = std::to_string(satirlar[2].sirano) + ", " + std::to_string(satirlar[3].sirano);
  EXPECT_EQ(sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis_satir WHERE idno = " + siparis +
                                       " AND sepet_sirano IN (" + tasinan + ") AND kalan = miktar"),
            2);
  EXPECT_EQ(
      sunucu_.VeritabanindanSayi("SELECT round(sum(kdvlitutar) * 100) FROM siparis_satir WHERE idno = " + siparis),
      std::llround((satirlar[2].kdvliTutar + satirlar[3].kdvliTutar) * 100));

  // Nothing ticked any more: nothing to send.
  EXPECT_FALSE(sunucu_.Cagir("SiparisKaydet", Parametreler(kAhmet, 1, 2, 1, "", 3, 2)).Mantiksal(0));
}

TEST_F(Sepet, OrderWithAnUnknownKeyIsRefusedAndChangesNothing) {
  struct Durum {
    const char* neden;
    std::string govde;
  };
  const Durum durumlar[] = {
      {"unknown account", Parametreler(kMurat, 9999, 2, 1, "", 1, 1)},
      {"unknown user", Parametreler(kAhmet, 1, 2, 1, "", 999, 1)},
      {"unknown delivery state", Parametreler(kAhmet, 1, 99, 1, "", 3, 1)},
      {"unknown cargo type", Parametreler(kAhmet, 1, 2, 99, "", 3, 1)},
      {"unknown carrier", Parametreler(kAhmet, 1, 2, 1, "", 3, 999)},
      {"carrier of another cargo type", Parametreler(kAhmet, 1, 2, 1, "", 3, 6)},
  };
  const std::int64_t siparisOnce = sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis");
  for (const Durum& d : durumlar) {
    const Sonuc sonuc = sunucu_.Cagir("SiparisKaydet", d.govde);
    ASSERT_EQ(sonuc.Durum(), 200) << d.neden << ": " << sonuc.Govde();
    EXPECT_FALSE(sonuc.Mantiksal(0)) << d.neden;
  }
  EXPECT_EQ(sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis"), siparisOnce);
  EXPECT_EQ(Satirlar(1).size(), 3u);
}

TEST_F(Sepet, OverdueWarning) {
  const Sonuc gecikmis = sunucu_.Cagir("CariVadeGunGecmismiBul", Parametreler(1));
  EXPECT_NE(gecikmis.Metin(0).find("Vadesi geçmiş bakiyeniz"), std::string::npos) << gecikmis.Metin(0);
  EXPECT_NE(gecikmis.Metin(0).find(" TL "), std::string::npos);
  // An account that owes nothing and has no warning of the dealer gets none.
  const std::int64_t borcsuz = sunucu_.VeritabanindanSayi(
      "SELECT c.carino FROM cari c WHERE c.uyari = '' AND (SELECT coalesce(sum(borc) - sum(alacak), 0) FROM "
      "cari_hareket h WHERE h.carino = c.carino) <= 0 LIMIT 1");
  EXPECT_EQ(sunucu_.Cagir("CariVadeGunGecmismiBul", Parametreler(static_cast<std::int32_t>(borcsuz))).Metin(0), "");
  EXPECT_EQ(sunucu_.Cagir("CariVadeGunGecmismiBul", Parametreler(9999)).Metin(0), "");
}

}  // namespace
}  // namespace zorvat::test
