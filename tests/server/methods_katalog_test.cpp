// The catalogue's answers: what a search finds, the account's prices, the new and campaign
// lists and the stock movements.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "net/bicim.h"
#include "server/arama_metni.h"
#include "server_fixture.h"

namespace zorvat::test {
namespace {

const TSonucBilgisi kAhmet = Oturum(3, 1, 0);  // account 1: rates 10 + 5

class Katalog : public testing::Test {
 protected:
  std::unique_ptr<MemTable> Ara(const std::string& metin, const TSonucBilgisi& oturum = kAhmet) {
    const Sonuc sonuc = sunucu_.Cagir("StokAraGetir", Parametreler(metin, oturum));
    EXPECT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
    return sonuc.Tablo(0);
  }

  static std::set<std::int64_t> Stoklar(const MemTable& tablo) {
    std::set<std::int64_t> stoklar;
    const Field& stokno = tablo.FieldByName("STOK_STOKNO");
    for (std::size_t i = 0; i < tablo.RecordCount(); ++i) stoklar.insert(stokno.LargeIntAt(i));
    return stoklar;
  }

  // The folded codes, OEM numbers and names of a row, with the codes also without their
  // separators, as a user may type them.
  static std::string Metinleri(const MemTable& tablo, std::size_t satir) {
    std::string metin;
    for (const char* ad : {"BARKOD", "OEM1", "OEM2", "OEM3", "OEM4", "FINISHKOD", "URETICIKODU", "ADI", "DIGERADI",
                           "MARKA", "MODEL", "OZELKOD"}) {
      std::string deger = tablo.FieldByName(ad).StringAt(satir);
      metin += deger + "\n";
      std::erase_if(deger, [](char c) { return c == ' ' || c == '-' || c == '.' || c == '/'; });
      metin += deger + "\n";
    }
    return server::AramaMetni(metin);
  }

  SunucuFiksturu sunucu_;
};

// Every row holds every word of the search text, whatever the letters' Turkish forms and
// case, and short words (which the trigram index cannot serve) count too.
TEST_F(Katalog, EveryWordMatchesCodesOemNumbersOrNames) {
  for (const char* metin : {"FREN BALATASI", "ön fren", "Debriyaj Seti", "ON 14", "KORA 1.4", "amortisör"}) {
    SCOPED_TRACE(metin);
    const auto tablo = Ara(metin);
    ASSERT_GT(tablo->RecordCount(), 0u);
    for (std::size_t i = 0; i < tablo->RecordCount(); ++i) {
      const std::string metinleri = Metinleri(*tablo, i);
      for (const std::string& kelime : server::AramaKelimeleri(metin)) {
        EXPECT_NE(metinleri.find(kelime), std::string::npos) << kelime << " satır " << i;
      }
    }
  }
}

TEST_F(Katalog, TurkishLettersAndCaseFindTheSameItems) {
  const std::set<std::int64_t> beklenen = Stoklar(*Ara("ŞANZIMAN TAKOZU"));
  ASSERT_FALSE(beklenen.empty());
  for (const char* metin : {"şanzıman takozu", "SANZIMAN TAKOZU", "Sanzıman Takozu"}) {
    EXPECT_EQ(Stoklar(*Ara(metin)), beklenen) << metin;
  }
}

TEST_F(Katalog, CodesAreFoundWithAndWithoutTheirSeparators) {
  const auto tablo = Ara("ÖN FREN BALATASI");
  const MemTable& balatalar = *tablo;
  std::size_t satir = 0;
  while (satir < balatalar.RecordCount() &&
         balatalar.FieldByName("OEM1").StringAt(satir).find_first_of("-.") == std::string::npos) {
    ++satir;
  }
  ASSERT_LT(satir, balatalar.RecordCount()) << "ayraçlı OEM numarası yok";
  const std::string oem = balatalar.FieldByName("OEM1").StringAt(satir);
  std::string yalin = oem;
  std::erase_if(yalin, [](char c) { return c == '-' || c == '.'; });
  const std::set<std::int64_t> oemIle = Stoklar(*Ara(oem));
  EXPECT_TRUE(oemIle.contains(balatalar.FieldByName("STOK_STOKNO").LargeIntAt(satir)));
  EXPECT_EQ(Stoklar(*Ara(yalin)), oemIle) << oem;
  EXPECT_EQ(Ara(balatalar.FieldByName("BARKOD").StringAt(satir))->RecordCount(), 1u);
}

// A text longer than any search is refused with a message, not run.
TEST_F(Katalog, OverlongTextIsRefused) {
  const Sonuc sonuc = sunucu_.Cagir("StokAraGetir", Parametreler(std::string(5000, 'a') + " b", kAhmet));
  ASSERT_EQ(sonuc.Durum(), 500);
  EXPECT_EQ(sonuc.Hata(), "Arama metni en fazla 100 harf olabilir !");
  EXPECT_EQ(Ara(std::string(100, 'x'))->RecordCount(), 0u);
}

TEST_F(Katalog, NoWordOrNoMatchListsNothing) {
  for (const char* metin : {"", "   ", "QQQZZZ", "fren QQQ"}) {
    const auto tablo = Ara(metin);
    EXPECT_EQ(tablo->RecordCount(), 0u) << "'" << metin << "'";
    EXPECT_GT(tablo->FieldCount(), 30u);
  }
}

// Prices are the calling account's: its chained rates on list prices; campaign items at
// their campaign price without further discount.
TEST_F(Katalog, PricesAreTheCallingAccounts) {
  const auto listeTablosu = Ara("FREN", Oturum(3, 1, 0));
  const auto indirimsizTablosu = Ara("FREN", Oturum(1, 0, 1));
  const MemTable& liste = *listeTablosu;
  const MemTable& indirimsiz = *indirimsizTablosu;
  ASSERT_EQ(liste.RecordCount(), indirimsiz.RecordCount());
  bool kampanyaGoruldu = false;
  for (std::size_t i = 0; i < liste.RecordCount(); ++i) {
    const auto deger = [&](const MemTable& t, const char* ad) { return t.FieldByName(ad).FloatAt(i); };
    const bool kampanya = liste.FieldByName("K").LargeIntAt(i) == 1;
    if (kampanya) {
      kampanyaGoruldu = true;
      EXPECT_EQ(deger(liste, "FIYAT"), deger(liste, "KAMPFIYAT"));
      EXPECT_LT(deger(liste, "KAMPFIYAT"), deger(liste, "LISTEFIYAT1"));
      EXPECT_EQ(deger(liste, "IND1"), 0);
      EXPECT_EQ(deger(liste, "NETFIYAT"), deger(liste, "FIYAT"));
      continue;
    }
    EXPECT_EQ(deger(liste, "FIYAT"), deger(liste, "LISTEFIYAT1"));
    EXPECT_EQ(deger(liste, "IND1"), 10);
    EXPECT_EQ(deger(liste, "IND2"), 5);
    EXPECT_EQ(liste.FieldByName("INDIRIMYAZI").StringAt(i), "10+5");
    // The add dialog's cascade for one piece: N = N - N x rate / 100, then the VAT.
    double net = deger(liste, "FIYAT");
    for (double oran : {10.0, 5.0}) net -= net * oran / 100;
    EXPECT_EQ(deger(liste, "NETFIYAT"), Yuvarla2(net));
    EXPECT_EQ(deger(liste, "KDVDAHIL"), Yuvarla2(deger(liste, "NETFIYAT") * (20.0 / 100 + 1)));
    EXPECT_EQ(deger(indirimsiz, "NETFIYAT"), deger(indirimsiz, "FIYAT"));
    EXPECT_EQ(indirimsiz.FieldByName("INDIRIMYAZI").StringAt(i), "");
  }
  EXPECT_TRUE(kampanyaGoruldu);
}

TEST_F(Katalog, NewAndCampaignItems) {
  MemTable yeniler;
  sunucu_.Cagir("YenilerVer2", Parametreler(2)).Tablo(0, yeniler);
  EXPECT_EQ(static_cast<std::int64_t>(yeniler.RecordCount()),
            sunucu_.VeritabanindanSayi("SELECT count(*) FROM stok WHERE yeni = 1"));
  for (std::size_t i = 0; i < yeniler.RecordCount(); ++i) {
    const bool kampanya = yeniler.FieldByName("K").LargeIntAt(i) == 1;
    EXPECT_EQ(yeniler.FieldByName("IND1").FloatAt(i), kampanya ? 0 : 15);  // account 2 has 15 %
  }

  MemTable kampanyalilar;
  sunucu_.Cagir("KampanyaliVer2", Parametreler(2, 1)).Tablo(0, kampanyalilar);
  ASSERT_EQ(static_cast<std::int64_t>(kampanyalilar.RecordCount()),
            sunucu_.VeritabanindanSayi("SELECT count(*) FROM stok WHERE kampanya = 1"));
  for (std::size_t i = 0; i < kampanyalilar.RecordCount(); ++i) {
    EXPECT_EQ(kampanyalilar.FieldByName("K").LargeIntAt(i), 1);
    EXPECT_LT(kampanyalilar.FieldByName("FIYAT").FloatAt(i), kampanyalilar.FieldByName("ESKIFIYAT").FloatAt(i));
  }

  // Users of kind 4 work without campaigns.
  MemTable dorduncuTur;
  sunucu_.Cagir("KampanyaliVer2", Parametreler(3, 4)).Tablo(0, dorduncuTur);
  EXPECT_EQ(dorduncuTur.RecordCount(), 0u);
}

TEST_F(Katalog, StockMovementsAreTheAccountsInvoiceLines) {
  const std::int64_t stokno = sunucu_.VeritabanindanSayi(
      "SELECT fs.stokno FROM fatura_satir fs JOIN fatura f USING (idno) WHERE f.carino = 1 ORDER BY fs.sirano LIMIT 1");
  MemTable hareketler;
  sunucu_.Cagir("StokHareketVer", Parametreler(1, stokno)).Tablo(0, hareketler);
  ASSERT_GT(hareketler.RecordCount(), 0u);
  EXPECT_EQ(static_cast<std::int64_t>(hareketler.RecordCount()),
            sunucu_.VeritabanindanSayi("SELECT count(*) FROM fatura_satir fs JOIN fatura f USING (idno) "
                                       "WHERE f.carino = 1 AND fs.stokno = " +
                                       std::to_string(stokno)));
  EXPECT_EQ(hareketler.FieldByName("STOKCARIKOD").StringAt(0), "120.01.1001");
  EXPECT_NE(hareketler.FieldByName("TURU").StringAt(0).find("Fatura"), std::string::npos);

  MemTable baskasi;
  sunucu_.Cagir("StokHareketVer", Parametreler(1, 999999)).Tablo(0, baskasi);
  EXPECT_EQ(baskasi.RecordCount(), 0u);
}

}  // namespace
}  // namespace zorvat::test
