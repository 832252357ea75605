// The representatives' reports: the two tables of fixed columns, the report documents as
// PDF files read back by pdftotext, who may see what, and the state of an account on a past
// day that the documents show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/rapor_belgeleri.h"
#include "sonuc_denetimi.h"

namespace zorvat::test {
namespace {

using enum FieldType;

// MURAT (kind 1) has the odd accounts, OZAN (kind 2) the even ones; AHMET is account 1's
// user, TOLGA the inactive user of account 4.
const TSonucBilgisi kMurat = Oturum(1, 1, 1);
const TSonucBilgisi kOzan = Oturum(2, 2, 2);
const TSonucBilgisi kAhmet = Oturum(3, 1, 0);
const TSonucBilgisi kTolga = Oturum(6, 4, 0);

// 1 December 2026, the last day of the demonstration history, and a month before it.
constexpr double kSonGun = 46357;
constexpr double kAyOnce = kSonGun - 30;

const std::vector<Kolon> kAlinanSiparisler = {
    {"SATICIADI", String}, {"IDNO", Float},        {"CARINO", Integer}, {"TARIH", Date},      {"KUR", String},
    {"KURTL", Float},      {"VERENIDNO", Integer}, {"KARGO", String},   {"TESLIM", String},   {"VEREN", String},
    {"CARIKOD", String},   {"CARIADI", String},    {"DURUM", String},   {"KARGOADI", String}, {"VERGI", Float},
    {"NETTUTAR", Float},   {"TUTAR", Float}};

const std::vector<Kolon> kSatilanStoklar = {{"BARKOD", String},    {"KOD", String},   {"ADI", String},
                                            {"DEPARTMAN", String}, {"MIKTAR", Float}, {"NETTUTAR", Float},
                                            {"TLVERGI", Float},    {"TUTAR", Float}};

class Raporlar : public testing::Test {
 protected:
  std::int64_t Sayi(const std::string& sql) const { return sunucu_.VeritabanindanSayi(sql); }
  std::string Metin(const std::string& sql) const { return VeritabanindanMetinler(sunucu_, sql).at(0); }
  // A day serial as dd.mm.yyyy, by SQLite's own calendar.
  std::string GunYazisi(double gun) const {
    return Metin("SELECT strftime('%d.%m.%Y', " + std::to_string(gun) + " + 2415018.5)");
  }

  Sonuc Rapor(int raporNo, const TSonucBilgisi& oturum, std::int64_t carino, double tarih1, double tarih2) {
    return sunucu_.Cagir("RaporGetir",
                         Parametreler(raporNo, raporNo, oturum.Sirano(), carino, "Satıcı", tarih1, tarih2));
  }

  SunucuFiksturu sunucu_;
};

// The reports window declares its columns and fills only those: the results give exactly
// them.
TEST_F(Raporlar, TablesHaveExactlyTheWindowsColumns) {
  for (const auto& [metot, kolonlar] : {std::pair{"RaporAlinanSiparisler", kAlinanSiparisler},
                                        std::pair{"RaporEnCokSatilanStoklar", kSatilanStoklar}}) {
    SCOPED_TRACE(metot);
    const auto tablo = BasariliTablo(sunucu_, metot, Parametreler(kMurat, kAyOnce, kSonGun));
    ASSERT_EQ(tablo->FieldCount(), kolonlar.size());
    KolonlariDenetle(*tablo, kolonlar);
    EXPECT_GT(tablo->RecordCount(), 0u);
  }
}

// The orders of the accounts the user may act for, placed on the days of the range: the
// times of day the pickers send do not cut off the first or the last day.
TEST_F(Raporlar, OrdersTakenAreTheVisibleAccountsOnTheDaysOfTheRange) {
  struct Ornek {
    const char* ad;
    const TSonucBilgisi& oturum;
    double tarih1, tarih2;
    std::string kosul;  // the orders expected, as a condition on o and c
  };
  const std::string aralik = " AND o.tarih >= 46327 AND o.tarih < 46358";
  const Ornek ornekler[] = {
      {"satıcı kendi müşterileri", kMurat, kAyOnce + 0.9, kSonGun + 0.1, "c.satici_no = 1" + aralik},
      {"fiyat yetkili satıcı", kOzan, kAyOnce + 0.9, kSonGun + 0.1, "c.satici_no = 2" + aralik},
      {"müşteri kendi hesabı", kAhmet, kAyOnce, kSonGun, "c.carino = 1" + aralik},
      {"ters aralık", kMurat, kSonGun, kAyOnce, "0"},
      {"pasif kullanıcı", kTolga, kAyOnce, kSonGun, "0"},
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.ad);
    const auto tablo = BasariliTablo(sunucu_, "RaporAlinanSiparisler", Parametreler(o.oturum, o.tarih1, o.tarih2));
    EXPECT_EQ(static_cast<std::int64_t>(tablo->RecordCount()),
              Sayi("SELECT count(*) FROM siparis o JOIN cari c USING (carino) WHERE " + o.kosul));
    for (std::size_t i = 0; i < tablo->RecordCount(); ++i) {
      EXPECT_EQ(tablo->FieldByName("SATICIADI").StringAt(i),
                Metin("SELECT s.adi FROM cari c JOIN satici s USING (satici_no) WHERE c.carino = " +
                      std::to_string(tablo->FieldByName("CARINO").LargeIntAt(i))));
    }
  }
}

// Most sold first; a return counts against the sale of its item.
TEST_F(Raporlar, BestSellingItemsNetOfReturns) {
  const auto tablo = BasariliTablo(sunucu_, "RaporEnCokSatilanStoklar", Parametreler(kOzan, kSonGun - 365, kSonGun));
  ASSERT_GT(tablo->RecordCount(), 1u);
  for (std::size_t i = 0; i < tablo->RecordCount(); ++i) {
    EXPECT_GT(tablo->FieldByName("MIKTAR").FloatAt(i), 0);
    if (i > 0) {
      EXPECT_LE(tablo->FieldByName("MIKTAR").FloatAt(i), tablo->FieldByName("MIKTAR").FloatAt(i - 1));
    }
  }
  // An item that came back: its quantity is what was sold less what was returned.
  const std::string iade = Metin(
      "SELECT s.barkod FROM fatura_satir fs JOIN fatura f USING (idno) JOIN cari c USING (carino) "
      "JOIN stok s ON s.stokno = fs.stokno WHERE c.satici_no = 2 AND f.tur = 'Satış İade Faturası' "
      "AND f.tarih >= 45992 LIMIT 1");
  const std::int64_t net = Sayi(
      "SELECT sum(CASE WHEN f.tur = 'Satış İade Faturası' THEN -fs.miktar ELSE fs.miktar END) "
      "FROM fatura_satir fs JOIN fatura f USING (idno) JOIN cari c USING (carino) JOIN stok s ON s.stokno = "
      "fs.stokno WHERE c.satici_no = 2 AND f.tarih >= 45992 AND f.tarih < 46358 AND s.barkod = '" +
      iade + "'");
  bool bulundu = false;
  for (std::size_t i = 0; i < tablo->RecordCount(); ++i) {
    if (tablo->FieldByName("BARKOD").StringAt(i) != iade) continue;
    bulundu = true;
    EXPECT_DOUBLE_EQ(tablo->FieldByName("MIKTAR").FloatAt(i), static_cast<double>(net));
  }
  EXPECT_EQ(bulundu, net > 0);
}

// Each document is a PDF whose text holds what was asked for and nothing from outside the
// days asked for.
TEST_F(Raporlar, DocumentsHoldTheRequestedDataAndDays) {
  // Account 1 on the day before its first collection: the movements up to then, not the
  // collection.
  const std::vector<std::string> tahsilat = VeritabanindanMetinler(
      sunucu_,
      "SELECT evrak_no, floor(tarih) - 1 FROM cari_hareket WHERE carino = 1 AND tur = 'Tahsilat' "
      "ORDER BY tarih LIMIT 1");
  const double oncekiGun = std::stod(tahsilat[1]) + 0.5;
  const std::string onceki = Metin("SELECT evrak_no FROM cari_hareket WHERE carino = 1 AND tarih < " +
                                   std::to_string(std::stod(tahsilat[1]) + 1) + " ORDER BY tarih DESC LIMIT 1");
  // Account 2's second invoice, alone on the days asked for.
  const std::vector<std::string> fatura = VeritabanindanMetinler(
      sunucu_,
      "SELECT evrak_seri || printf('%06d', evrak_sira), floor(tarih) FROM fatura WHERE carino = 2 "
      "ORDER BY tarih LIMIT 1 OFFSET 1");
  const double faturaGunu = std::stod(fatura[1]);
  const std::string digerFatura =
      Metin("SELECT evrak_seri || printf('%06d', evrak_sira) FROM fatura WHERE carino = 2 ORDER BY tarih LIMIT 1");

  struct Ornek {
    const char* ad;
    int raporNo;
    const TSonucBilgisi& oturum;
    std::int64_t carino;
    double tarih1, tarih2;
    std::vector<std::string> olan, olmayan;
  };
  const Ornek ornekler[] = {
      {"cari özeti",
       6,
       kMurat,
       1,
       oncekiGun,
       oncekiGun,
       {"Cari Özeti", "YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.", "Rapor Tarihi: " + GunYazisi(oncekiGun), onceki},
       {tahsilat[0]}},
      {"toplu alacak vadeleri",
       6,
       kMurat,
       0,
       kSonGun,
       kSonGun,
       {"Cari Toplu Alacak Vadeleri", "Rapor Tarihi: " + GunYazisi(kSonGun), "YILDIZ OTO YEDEK PARÇA", "TOPLAM"},
       {"KARADENİZ OTOMOTİV"}},
      {"alış satış tablosu",
       7,
       kOzan,
       2,
       faturaGunu + 0.9,
       faturaGunu + 0.1,
       {"Cari Alış Satış Tablosu (Satıcılı)", "KARADENİZ OTOMOTİV SAN. TİC. A.Ş.",
        "Tarih Aralığı: " + GunYazisi(faturaGunu) + " - " + GunYazisi(faturaGunu), fatura[0], "Ozan Şahin"},
       {digerFatura}},
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.ad);
    const std::string pdf = AkisBaytlari(Rapor(o.raporNo, o.oturum, o.carino, o.tarih1, o.tarih2));
    ASSERT_TRUE(pdf.starts_with("%PDF-"));
    const std::string metin = PdfMetni(pdf);
    for (const std::string& parca : o.olan) EXPECT_NE(metin.find(parca), std::string::npos) << parca << "\n" << metin;
    for (const std::string& parca : o.olmayan) EXPECT_EQ(metin.find(parca), std::string::npos) << parca;
  }
}

TEST_F(Raporlar, DocumentRefusals) {
  struct Ornek {
    const char* ad;
    int raporNo;
    const TSonucBilgisi& oturum;
    std::int64_t carino;
    double tarih;
    std::string hata;
  };
  const Ornek ornekler[] = {
      {"bilinmeyen rapor", 9, kMurat, 1, kSonGun, "Bilinmeyen rapor numarası: 9"},
      {"başka satıcının müşterisi", 6, kOzan, 1, kSonGun, "Bu cari hesapta işlem yetkiniz yok !"},
      {"müşteri başka hesapta", 7, kAhmet, 2, kSonGun, "Bu cari hesapta işlem yetkiniz yok !"},
      {"pasif kullanıcının toplu raporu", 6, kTolga, 0, kSonGun, "Kullanıcı hesabınız aktif değil !"},
      {"bilinmeyen kullanıcı", 6, Oturum(999, 1, 1), 1, kSonGun, "Kullanıcı bulunamadı !"},
      {"bilinmeyen hesap", 7, kMurat, 999999, kSonGun, "Cari hesap bulunamadı: 999999"},
      {"takvim dışı tarih", 6, kMurat, 1, 1e8, "Geçersiz tarih"},
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.ad);
    const Sonuc sonuc = Rapor(o.raporNo, o.oturum, o.carino, o.tarih, o.tarih);
    EXPECT_EQ(sonuc.Durum(), 500) << sonuc.Govde();
    EXPECT_EQ(sonuc.Hata(), o.hata);
  }
}

// A small history: debits of 100 (due day 10) and 50 (due day 20), a credit of 120 on day 5
// and one of 30 on day 25.
const std::vector<server::CariHareket> kGecmis = {
    {1, 100, 0, 10},
    {2, 50, 0, 20},
    {5, 0, 120, 5},
    {25, 0, 30, 25},
};

// Credits pay the debits in the order they fall due; what is still unpaid after its due
// day is overdue on the day asked for, and nothing after that day counts.
TEST(HesapOzeti, OverdueOnADayFromTheMovementsUpToIt) {
  struct Ornek {
    double gun;
    double bakiye, vadesiGecmis;
    int enEskiGun;
  };
  const Ornek ornekler[] = {
      {3.5, 150, 0, 0},   // nothing due yet, the credit not yet in
      {15, 30, 0, 0},     // the first debit paid in full, the second not yet due
      {22.5, 30, 30, 2},  // the rest of the second debit two days late
      {24.9, 30, 30, 4},  // a payment the next day does not count today
      {25, 0, 0, 0},      // and pays it on its day
  };
  for (const Ornek& o : ornekler) {
    SCOPED_TRACE(o.gun);
    const server::HesapOzeti ozet = server::HesapOzetiBul(kGecmis, o.gun);
    EXPECT_DOUBLE_EQ(ozet.bakiye, o.bakiye);
    EXPECT_DOUBLE_EQ(ozet.vadesiGecmis, o.vadesiGecmis);
    EXPECT_EQ(ozet.enEskiGun, o.enEskiGun);
  }
}

}  // namespace
}  // namespace zorvat::test
