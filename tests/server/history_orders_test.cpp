// The previous orders of an account: the list, one order's lines and footer, the open
// balances and all order lines of a stock item, over raw HTTP against the demonstration data.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "net/bicim.h"
#include "remote/records.h"
#include "sonuc_denetimi.h"

namespace zorvat::test {
namespace {

using enum FieldType;

const std::vector<Kolon> kSiparisler = {
    {"CARINO", Integer},    {"IDNO", Integer},       {"TARIH", Date},     {"KUR", String},   {"KURTL", Float},
    {"VERENIDNO", Integer}, {"KARGO", String},       {"TESLIM", String},  {"VEREN", String}, {"CARIKOD", String},
    {"CARIADI", String},    {"VERGI", Float},        {"NETTUTAR", Float}, {"TUTAR", Float},  {"DURUM", String},
    {"KARGOADI", String},   {"VERENINNOTU", String}, {"ALANNOTU", String}};

// The order detail window's columns: shown, offered, then hidden.
const std::vector<Kolon> kSiparisSatirlari = {
    {"VERILISTARIHI", Date},  {"BARKOD", String},       {"FINISHKOD", String},    {"OEMNO", String},
    {"STOKADI", String},      {"MIKTAR", Float},        {"BIRIMFIYAT", Float},    {"TUTAR", Float},
    {"INDIRIMYAZI", String},  {"NETBIRIMFIYAT", Float}, {"KDV", Float},           {"VERGITUTARI", Float},
    {"NETTUTAR", Float},      {"VEREN", String},        {"TESLIMEDILEN", Float},  {"KALAN", Float},
    {"SIPARISNO", Integer},   {"TARIH", Date},          {"INDIRIMORANI1", Float}, {"INDIRIMORANI2", Float},
    {"INDIRIMORANI3", Float}, {"INDIRIMORANI4", Float}, {"KUR", String},          {"SAAT", Time},
    {"ACIKLAMA", String},     {"OEM1", String},         {"OEM2", String},         {"OEM3", String},
    {"OEM4", String},         {"DIGERADI", String},     {"DPKOD", String},        {"MARKA", String},
    {"MODEL", String},        {"ANAGRUP", String},      {"OZELKOD", String},      {"PKOD", String},
    {"SIRANO", Integer},      {"CARINO", Integer},      {"AKTAR", SmallInt},      {"STOKNO", Integer},
    {"INDIRIMTUTAR", Float},  {"KURTL", Float},         {"VERENIDNO", Integer},   {"TESLIMID", Integer},
    {"KARGOID", Integer},     {"IDNO", Integer},        {"VERENSIRANO", Integer}, {"CARIKOD", String},
    {"CARIADI", String},      {"STOK_STOKNO", Integer}, {"URETICIKODU", String},  {"TESLIM", String},
    {"KARGO", String}};

std::vector<Kolon> BakiyeKolonlari() {
  std::vector<Kolon> kolonlar = kSiparisSatirlari;
  kolonlar.insert(kolonlar.end(), {{"ILKFIYAT", Float},
                                   {"STOKHAR_NO", Integer},
                                   {"ELDEKI", Float},
                                   {"DURUM", SmallInt},
                                   {"ALINANSIPARIS", Float},
                                   {"VERILENSIPARIS", Float}});
  return kolonlar;
}

// The all-orders window's columns: shown, offered, then hidden.
const std::vector<Kolon> kTumSiparisler = {
    {"VERILISTARIHI", Date},  {"BARKOD", String},       {"FINISHKOD", String},    {"OEMNO", String},
    {"STOKADI", String},      {"MIKTAR", Float},        {"BIRIMFIYAT", Float},    {"TUTAR", Float},
    {"INDIRIMORANI1", Float}, {"NETBIRIMFIYAT", Float}, {"KDV", Float},           {"VERGITUTARI", Float},
    {"NETTUTAR", Float},      {"VEREN", String},        {"TESLIMEDILEN", Float},  {"KALAN", Float},
    {"DURUM", SmallInt},      {"TARIH", Date},          {"KUR", String},          {"SAAT", Time},
    {"ACIKLAMA", String},     {"OEM1", String},         {"OEM2", String},         {"OEM3", String},
    {"OEM4", String},         {"DIGERADI", String},     {"DPKOD", String},        {"MARKA", String},
    {"MODEL", String},        {"ANAGRUP", String},      {"OZELKOD", String},      {"PKOD", String},
    {"SIRANO", Integer},      {"SIPARISNO", Integer},   {"AKTAR", SmallInt},      {"STOKNO", Integer},
    {"ILKFIYAT", Float},      {"INDIRIMORANI2", Float}, {"INDIRIMORANI3", Float}, {"INDIRIMTUTAR", Float},
    {"KURTL", Float},         {"VERENIDNO", Integer},   {"TESLIMID", Integer},    {"KARGOID", Integer},
    {"IDNO", Integer},        {"VERENSIRANO", Integer}, {"CARIKOD", String},      {"CARIADI", String},
    {"STOK_STOKNO", Integer}, {"URETICIKODU", String},  {"TESLIM", String},       {"KARGO", String},
    {"STOKHAR_NO", Integer},  {"ELDEKI", Float},        {"ALINANSIPARIS", Float}, {"VERILENSIPARIS", Float}};

class SiparisGecmisi : public testing::Test {
 protected:
  std::int64_t Sayi(const std::string& sql) const { return sunucu_.VeritabanindanSayi(sql); }

  // An order of account 1 that has lines still open.
  std::int64_t AcikSiparis() const {
    return Sayi(
        "SELECT o.idno FROM siparis o JOIN siparis_satir ss ON ss.idno = o.idno "
        "WHERE o.carino = 1 AND ss.kalan > 0 ORDER BY o.idno LIMIT 1");
  }

  SunucuFiksturu sunucu_;
};

TEST_F(SiparisGecmisi, TablesCarryTheWindowsColumnsInOrderAndKind) {
  struct Cagri {
    const char* metot;
    std::string govde;
    std::vector<Kolon> kolonlar;
  };
  const Cagri cagrilar[] = {
      {"OncekiSiparisler", Parametreler(1), kSiparisler},
      {"SiparisAyrintisi2", Parametreler(1, AcikSiparis()), kSiparisSatirlari},
      {"BakiyelerVer2", Parametreler(1), BakiyeKolonlari()},
      {"TumSiparislerVer", Parametreler(1, 0), kTumSiparisler},
  };
  for (const Cagri& cagri : cagrilar) {
    SCOPED_TRACE(cagri.metot);
    const auto tablo = BasariliTablo(sunucu_, cagri.metot, cagri.govde);
    KolonlariDenetle(*tablo, cagri.kolonlar);
    EXPECT_GT(tablo->RecordCount(), 0u);
  }
}

// Every order of the account once, newest first, with the state by name and totals that
// are the sums of its lines.
TEST_F(SiparisGecmisi, PreviousOrdersAreTheAccountsWithTheirLinesTotals) {
  const auto siparisler = BasariliTablo(sunucu_, "OncekiSiparisler", Parametreler(1));
  ASSERT_EQ(static_cast<std::int64_t>(siparisler->RecordCount()),
            Sayi("SELECT count(*) FROM siparis WHERE carino = 1"));
  const std::set<std::string> durumlar = {"Alındı",     "Görüldü", "Onaylandı", "Hazırlandı", "Parçalı Hazırlandı",
                                          "Sevk Edildi"};
  std::set<std::string> gorulen;
  for (std::size_t i = 0; i < siparisler->RecordCount(); ++i) {
    const auto f = [&](const char* ad) { return siparisler->FieldByName(ad).FloatAt(i); };
    EXPECT_EQ(siparisler->FieldByName("CARINO").LargeIntAt(i), 1);
    if (i > 0) {
      EXPECT_LE(f("TARIH"), siparisler->FieldByName("TARIH").FloatAt(i - 1));
    }
    EXPECT_NEAR(f("VERGI") + f("NETTUTAR"), f("TUTAR"), 0.005);
    gorulen.insert(siparisler->FieldByName("DURUM").StringAt(i));
  }
  EXPECT_EQ(gorulen, durumlar);

  // The first order's net total is the sum of its lines' net amounts.
  const std::int64_t idno = siparisler->FieldByName("IDNO").LargeIntAt(0);
  const auto satirlar = BasariliTablo(sunucu_, "SiparisAyrintisi2", Parametreler(1, idno));
  ASSERT_GT(satirlar->RecordCount(), 0u);
  double net = 0;
  for (std::size_t i = 0; i < satirlar->RecordCount(); ++i) {
    EXPECT_EQ(satirlar->FieldByName("IDNO").LargeIntAt(i), idno);
    net = Yuvarla2(net + satirlar->FieldByName("NETTUTAR").FloatAt(i));
  }
  EXPECT_NEAR(siparisler->FieldByName("NETTUTAR").FloatAt(0), net, 0.005);
}

// Lines only for the account's own order; another account's or an unknown order has none.
TEST_F(SiparisGecmisi, OrderLinesOnlyOfTheAccountsOwnOrder) {
  const std::int64_t baskasinin = Sayi("SELECT idno FROM siparis WHERE carino = 2 LIMIT 1");
  EXPECT_GT(BasariliTablo(sunucu_, "SiparisAyrintisi2", Parametreler(2, baskasinin))->RecordCount(), 0u);
  EXPECT_EQ(BasariliTablo(sunucu_, "SiparisAyrintisi2", Parametreler(1, baskasinin))->RecordCount(), 0u);
  EXPECT_EQ(BasariliTablo(sunucu_, "SiparisAyrintisi2", Parametreler(1, 999999))->RecordCount(), 0u);
}

// The footer of an order found by its number alone (account 0, as every caller sends it),
// with every choice by name and the three notes.
TEST_F(SiparisGecmisi, FooterByOrderNumberAlone) {
  const std::int64_t idno =
      Sayi("SELECT idno FROM siparis WHERE carino = 1 AND satici_notu <> '' AND alan_notu <> '' LIMIT 1");
  const Sonuc sonuc = sunucu_.Cagir("SiparisAytintisiDip", Parametreler(0, idno));
  ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
  EXPECT_EQ(sonuc.Deger(0)["type"].get_string().value(), "baglantiu.TSiparisDipAyrinti");
  const auto dip = sonuc.KayitAl<TSiparisDipAyrinti>(0);
  const std::vector<std::string> beklenen = VeritabanindanMetinler(
      sunucu_,
      "SELECT o.aciklama, d.adi, k.adi, kg.adi, o.alan_notu, t.adi, kt.adi, o.satici_notu FROM siparis o "
      "JOIN siparis_durumu d ON d.kod = o.durum JOIN kullanici k ON k.sirano = o.veren_id "
      "JOIN kargo kg ON kg.sirano = o.kargo JOIN teslim_durumu t ON t.kod = o.teslim "
      "JOIN kargo_turu kt ON kt.kod = o.kargo_turu WHERE o.idno = " +
          std::to_string(idno));
  EXPECT_EQ((std::vector<std::string>{dip.SizinMesaj(), dip.Durumu(), dip.Veren(), dip.Kargo(), dip.BizimMesaj(),
                                      dip.TeslimCinsi(), dip.KargoCinsi(), dip.SaticiNotu()}),
            beklenen);
  EXPECT_FALSE(dip.SaticiNotu().empty());
}

// An order that is not there, or not of the account named, is an error, not an empty
// footer that the window would show as if it were the order's.
TEST_F(SiparisGecmisi, FooterOfAMissingOrderIsAnError) {
  const std::int64_t baskasinin = Sayi("SELECT idno FROM siparis WHERE carino = 2 LIMIT 1");
  for (const auto& [carino, idno] : {std::pair<std::int64_t, std::int64_t>{0, 999999}, {1, baskasinin}}) {
    const Sonuc sonuc = sunucu_.Cagir("SiparisAytintisiDip", Parametreler(carino, idno));
    EXPECT_EQ(sonuc.Durum(), 500);
    EXPECT_EQ(sonuc.Hata(), "Sipariş bulunamadı: " + std::to_string(idno));
  }
}

// Exactly the account's lines with something left to deliver, each with the stock on hand.
TEST_F(SiparisGecmisi, BalancesAreTheOpenLines) {
  const auto bakiyeler = BasariliTablo(sunucu_, "BakiyelerVer2", Parametreler(1));
  EXPECT_EQ(static_cast<std::int64_t>(bakiyeler->RecordCount()),
            Sayi("SELECT count(*) FROM siparis_satir ss JOIN siparis o USING (idno) "
                 "WHERE o.carino = 1 AND ss.kalan > 0"));
  for (std::size_t i = 0; i < bakiyeler->RecordCount(); ++i) {
    const auto f = [&](const char* ad) { return bakiyeler->FieldByName(ad).FloatAt(i); };
    EXPECT_GT(f("KALAN"), 0);
    EXPECT_LE(f("TESLIMEDILEN") + f("KALAN"), f("MIKTAR"));
    const std::int64_t stokno = bakiyeler->FieldByName("STOK_STOKNO").LargeIntAt(i);
    const std::int64_t satir = bakiyeler->FieldByName("STOKHAR_NO").LargeIntAt(i);
    EXPECT_EQ(Sayi("SELECT count(*) FROM siparis_satir WHERE sirano = " + std::to_string(satir) +
                   " AND sepet_sirano = " + std::to_string(bakiyeler->FieldByName("SIRANO").LargeIntAt(i))),
              1);
    EXPECT_EQ(std::llround(f("ELDEKI") * 100),
              Sayi("SELECT round(kalan * 100) FROM stok WHERE stokno = " + std::to_string(stokno)));
  }
  EXPECT_EQ(BasariliTablo(sunucu_, "BakiyelerVer2", Parametreler(999999))->RecordCount(), 0u);
}

// Stock 0 lists every order line of the account; a stock item only its own lines.
TEST_F(SiparisGecmisi, AllOrderLinesOfEveryOrOneStockItem) {
  const auto hepsi = BasariliTablo(sunucu_, "TumSiparislerVer", Parametreler(1, 0));
  EXPECT_EQ(static_cast<std::int64_t>(hepsi->RecordCount()),
            Sayi("SELECT count(*) FROM siparis_satir ss JOIN siparis o USING (idno) WHERE o.carino = 1"));
  const std::int64_t stokno = Sayi(
      "SELECT ss.stokno FROM siparis_satir ss JOIN siparis o USING (idno) WHERE o.carino = 1 "
      "GROUP BY ss.stokno ORDER BY count(*) DESC LIMIT 1");
  const auto birStok = BasariliTablo(sunucu_, "TumSiparislerVer", Parametreler(1, stokno));
  EXPECT_EQ(static_cast<std::int64_t>(birStok->RecordCount()),
            Sayi("SELECT count(*) FROM siparis_satir ss JOIN siparis o USING (idno) WHERE o.carino = 1 "
                 "AND ss.stokno = " +
                 std::to_string(stokno)));
  for (std::size_t i = 0; i < birStok->RecordCount(); ++i) {
    EXPECT_EQ(birStok->FieldByName("STOK_STOKNO").LargeIntAt(i), stokno);
  }
}

}  // namespace
}  // namespace zorvat::test
