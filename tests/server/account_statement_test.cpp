// The account statement and the account status for the payment page: rows in date order
// whose IDNO leads to the invoice or collection behind them, and a status text that agrees
// with the statement.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "net/bicim.h"
#include "sonuc_denetimi.h"

namespace zorvat::test {
namespace {

using enum FieldType;

const std::vector<Kolon> kEkstre = {{"CARINO", Integer}, {"TARIH", Date},   {"TURADI", String},  {"EVRAK", String},
                                    {"BORC", Float},     {"ALACAK", Float}, {"KUR", String},     {"BAKIYE", Float},
                                    {"D", String},       {"IDNO", Integer}, {"ACIKLAMA", String}};

class CariEkstre : public testing::Test {
 protected:
  SunucuFiksturu sunucu_;
};

TEST_F(CariEkstre, RowsInDateOrderWithTheBalanceAfterEach) {
  const auto ekstre = BasariliTablo(sunucu_, "CariEkstreVer", Parametreler(1));
  KolonlariDenetle(*ekstre, kEkstre);
  ASSERT_EQ(static_cast<std::int64_t>(ekstre->RecordCount()),
            sunucu_.VeritabanindanSayi("SELECT count(*) FROM cari_hareket WHERE carino = 1"));
  std::set<std::string> turler;
  double bakiye = 0;
  for (std::size_t i = 0; i < ekstre->RecordCount(); ++i) {
    const auto f = [&](const char* ad) { return ekstre->FieldByName(ad).FloatAt(i); };
    if (i > 0) {
      EXPECT_GE(f("TARIH"), ekstre->FieldByName("TARIH").FloatAt(i - 1));
    }
    bakiye = Yuvarla2(bakiye + f("BORC") - f("ALACAK"));
    EXPECT_NEAR(f("BAKIYE"), bakiye, 0.005);
    EXPECT_EQ(ekstre->FieldByName("D").StringAt(i), bakiye > 0 ? "B" : bakiye < 0 ? "A" : " ");
    turler.insert(ekstre->FieldByName("TURADI").StringAt(i));
  }
  for (const char* tur : {"Açılış", "Satış Faturası", "Satış İade Faturası", "Tahsilat", "Tediye"}) {
    EXPECT_TRUE(turler.contains(tur)) << tur;
  }
  EXPECT_EQ(BasariliTablo(sunucu_, "CariEkstreVer", Parametreler(999999))->RecordCount(), 0u);
}

// The statement window opens the invoice window for a type with "Fatura" in it and the
// collection window for "Tahsilat" and "Tediye", each with the row's IDNO: that document
// must be the row's, for the row's amount.
TEST_F(CariEkstre, IdnoLeadsToTheDocumentOfTheRow) {
  const auto ekstre = BasariliTablo(sunucu_, "CariEkstreVer", Parametreler(1));
  for (std::size_t i = 0; i < ekstre->RecordCount(); ++i) {
    const std::string tur = ekstre->FieldByName("TURADI").StringAt(i);
    SCOPED_TRACE(tur + " " + ekstre->FieldByName("EVRAK").StringAt(i));
    const std::int64_t idno = ekstre->FieldByName("IDNO").LargeIntAt(i);
    const double tutar = ekstre->FieldByName("BORC").FloatAt(i) + ekstre->FieldByName("ALACAK").FloatAt(i);
    if (tur.find("Fatura") != std::string::npos) {
      const auto toplam = BasariliTablo(sunucu_, "FaturaAltGetir", Parametreler(idno));
      ASSERT_EQ(toplam->RecordCount(), 1u);
      EXPECT_NEAR(toplam->FieldByName("KDVDAHIL").FloatAt(0), tutar, 0.005);
      const auto satirlar = BasariliTablo(sunucu_, "FaturaGetir", Parametreler(1, idno));
      ASSERT_GT(satirlar->RecordCount(), 0u);
      EXPECT_EQ(satirlar->FieldByName("EVRAKNO").StringAt(0), ekstre->FieldByName("EVRAK").StringAt(i));
      EXPECT_EQ(satirlar->FieldByName("STOKHAR_HAREKETTIPI2").StringAt(0), tur);
    } else if (tur == "Tahsilat" || tur == "Tediye") {
      const auto girisler = BasariliTablo(sunucu_, "Tahsilat", Parametreler(idno));
      ASSERT_GT(girisler->RecordCount(), 0u);
      double toplam = 0;
      for (std::size_t j = 0; j < girisler->RecordCount(); ++j) {
        toplam = Yuvarla2(toplam + girisler->FieldByName("Tutar").FloatAt(j));
        EXPECT_EQ(girisler->FieldByName("Türü").StringAt(j), tur);
        EXPECT_EQ(girisler->FieldByName("EvrakNo").StringAt(j), ekstre->FieldByName("EVRAK").StringAt(i));
      }
      EXPECT_NEAR(toplam, tutar, 0.005);
    } else {
      EXPECT_EQ(idno, 0);
    }
  }
}

// The payment page shows the balance with its side and what is overdue; the page refuses to
// open without a text, so an unknown account is an error.
TEST_F(CariEkstre, AccountStatusForThePaymentPage) {
  struct Ornek {
    const char* ad;
    std::string kosul;  // picks the account from the balances
    std::string taraf;
  };
  const std::string bakiye = "(SELECT sum(borc) - sum(alacak) FROM cari_hareket h WHERE h.carino = c.carino)";
  const Ornek ornekler[] = {
      {"borçlu", bakiye + " > 1", " Borç"},
      {"alacaklı", bakiye + " < -1", " Alacak"},
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.ad);
    const std::int64_t carino = sunucu_.VeritabanindanSayi("SELECT carino FROM cari c WHERE " + o.kosul + " LIMIT 1");
    const double tutar = std::stod(VeritabanindanMetinler(
        sunucu_, "SELECT abs(sum(borc) - sum(alacak)) FROM cari_hareket WHERE carino = " + std::to_string(carino))[0]);
    const Sonuc sonuc = sunucu_.Cagir("CariDurumVer", Parametreler(carino));
    ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
    EXPECT_TRUE(
        sonuc.Metin(0).starts_with("Bakiye: " + FormatFloat(ParaBicimi, tutar, TurkceAyiraclar) + " TL" + o.taraf))
        << sonuc.Metin(0);
  }

  // Account 1 stopped paying months ago.
  const Sonuc gecikmis = sunucu_.Cagir("CariDurumVer", Parametreler(1));
  ASSERT_EQ(gecikmis.Durum(), 200);
  EXPECT_NE(gecikmis.Metin(0).find("; vadesi geçmiş: "), std::string::npos) << gecikmis.Metin(0);

  const Sonuc yok = sunucu_.Cagir("CariDurumVer", Parametreler(999999));
  EXPECT_EQ(yok.Durum(), 500);
  EXPECT_EQ(yok.Hata(), "Cari hesap bulunamadı: 999999");
}

}  // namespace
}  // namespace zorvat::test
