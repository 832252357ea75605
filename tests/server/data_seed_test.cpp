// The demonstration data: the same on every run, complete enough for every page of the
// client, and consistent (invoices add up, statement rows lead to their documents).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/bicim.h"
#include "platform/gecici_klasor.h"
#include "server/database.h"
#include "server/schema.h"
#include "server/seed.h"
#include "server_fixture.h"

namespace zorvat::server {
namespace {

using test::GeciciKlasor;

// Every row of every table as text, in a fixed order.
std::string Dokum(Database& db) {
  std::vector<std::string> tablolar;
  Statement& adlar = db.Prepare(
      "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' AND name NOT LIKE "
      "'stok_ara%' ORDER BY name");
  while (adlar.Step()) tablolar.emplace_back(adlar.Text(0));
  adlar.Reset();
  std::string dokum;
  for (const std::string& tablo : tablolar) {
    Statement& satirlar = db.Prepare("SELECT * FROM \"" + tablo + "\" ORDER BY rowid");
    dokum += tablo + "\n";
    while (satirlar.Step()) {
      for (int i = 0; i < satirlar.ColumnCount(); ++i) dokum += std::string(satirlar.Text(i)) + "|";
      dokum += "\n";
    }
    satirlar.Reset();
  }
  return dokum;
}

std::int64_t Sayi(Database& db, const std::string& sql) {
  Statement& sorgu = db.Prepare(sql);
  EXPECT_TRUE(sorgu.Step()) << sql;
  const std::int64_t sayi = sorgu.Int(0);
  sorgu.Reset();
  return sayi;
}

TEST(SeedDemo, IsTheSameEveryTimeAndOverAnOldDatabase) {
  GeciciKlasor klasor;
  Database ilk((klasor.yol() / "ilk.db").string(), true);
  SeedDemo(ilk, 200);
  Database ikinci((klasor.yol() / "ikinci.db").string(), true);
  SeedDemo(ikinci, 50);
  ikinci.Execute(
      "INSERT INTO posta(zaman, bilgisayar_id, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, "
      "fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar) "
      "VALUES(1, 'X', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '')");
  SeedDemo(ikinci, 200);
  EXPECT_EQ(Dokum(ilk), Dokum(ikinci));
}

class DemoVerisi : public testing::Test {
 protected:
  DemoVerisi() : db_(test::DemoVeritabani(300).string()) {}
  std::int64_t Sayi(const std::string& sql) { return server::Sayi(db_, sql); }
  Database db_;
};

TEST_F(DemoVerisi, HasEveryKindOfUser) {
  EXPECT_EQ(Sayi("SELECT count(DISTINCT tur) FROM kullanici WHERE aktif = 1"), 5);
  EXPECT_EQ(Sayi("SELECT count(*) FROM kullanici WHERE aktif = 0"), 1);
  EXPECT_EQ(Sayi("SELECT count(*) FROM kullanici WHERE tur IN (1, 2) AND satici_no IS NOT NULL"), 2);
  EXPECT_GE(Sayi("SELECT count(*) FROM cari"), 200);
  EXPECT_EQ(Sayi("SELECT count(DISTINCT satici_no) FROM cari"), 2);
}

TEST_F(DemoVerisi, HasOrdersInEveryStateWithLines) {
  EXPECT_EQ(Sayi("SELECT count(DISTINCT durum) FROM siparis"), 6);
  EXPECT_EQ(
      Sayi("SELECT count(*) FROM siparis o WHERE NOT EXISTS (SELECT 1 FROM siparis_satir s WHERE s.idno = o.idno)"), 0);
  // Both representatives' customers have orders in every state.
  EXPECT_EQ(Sayi("SELECT count(*) FROM (SELECT c.satici_no, o.durum FROM siparis o JOIN cari c USING (carino) "
                 "GROUP BY 1, 2)"),
            12);
  // Shipped lines are delivered and invoiced; open balances remain on some of them.
  EXPECT_EQ(
      Sayi("SELECT count(*) FROM siparis_satir s JOIN siparis o USING (idno) WHERE o.durum = 7 AND "
           "s.teslim_edilen <> (SELECT coalesce(sum(miktar), 0) FROM teslimat t WHERE t.satir_sirano = s.sirano)"),
      0);
  EXPECT_GT(Sayi("SELECT count(*) FROM siparis_satir WHERE teslim_edilen > 0 AND kalan > 0"), 0);
  EXPECT_GT(Sayi("SELECT count(*) FROM siparis_satir WHERE kalan = 0 AND teslim_edilen < miktar"), 0);
  EXPECT_EQ(Sayi("SELECT count(*) FROM siparis_satir WHERE kalan + teslim_edilen > miktar"), 0);
}

TEST_F(DemoVerisi, InvoicesAddUpAndTheStatementLeadsToTheDocuments) {
  EXPECT_EQ(Sayi("SELECT count(*) FROM fatura f WHERE abs(f.kdvdahil - (SELECT sum(kdvlitutar) FROM fatura_satir s "
                 "WHERE s.idno = f.idno)) > 0.005 OR abs(f.toplam - f.toplamindirim - f.matrah) > 0.005"),
            0);
  EXPECT_EQ(Sayi("SELECT count(DISTINCT tur) FROM cari_hareket WHERE tur IN ('Açılış', 'Satış Faturası', "
                 "'Satış İade Faturası', 'Tahsilat', 'Tediye')"),
            5);
  EXPECT_EQ(Sayi("SELECT count(*) FROM cari_hareket h WHERE (h.tur LIKE '%Fatura%') <> (h.fatura_idno IS NOT NULL) "
                 "OR (h.tur IN ('Tahsilat', 'Tediye')) <> (h.tahsilat_idno IS NOT NULL)"),
            0);
  EXPECT_EQ(Sayi("SELECT count(*) FROM cari_hareket h JOIN fatura f ON f.idno = h.fatura_idno "
                 "WHERE abs(h.borc + h.alacak - f.kdvdahil) > 0.005 OR f.carino <> h.carino"),
            0);
  // A card payment with its receipt, behind a collection paid by card.
  EXPECT_GT(Sayi("SELECT count(*) FROM sanal_pos p JOIN tahsilat_satir s ON s.idno = p.tahsilat_idno "
                 "WHERE s.cins = 'Kredi Kartı' AND p.onay_kodu <> '' AND p.kart_no LIKE '%****%' AND p.carino = 1"),
            0);
  // Overdue accounts carry the dealer's warning.
  EXPECT_GT(Sayi("SELECT count(*) FROM cari WHERE uyari <> ''"), 0);
}

TEST_F(DemoVerisi, PicturesAreWhatTheirPlacesExpect) {
  EXPECT_EQ(Sayi("SELECT count(*) FROM stok_resim WHERE hex(substr(veri, 1, 2)) <> 'FFD8' OR "
                 "hex(substr(veri, -2, 2)) <> 'FFD9' OR icerik_turu <> 'image/jpeg'"),
            0);
  EXPECT_GT(Sayi("SELECT count(*) FROM stok_resim"), 50);
  EXPECT_LT(Sayi("SELECT count(*) FROM stok_resim"), 300);
  EXPECT_EQ(Sayi("SELECT count(*) FROM banner WHERE yer IN (1, 2) AND substr(veri, 1, 6) = CAST('GIF89a' AS BLOB)"), 2);
  EXPECT_EQ(Sayi("SELECT count(*) FROM banner WHERE yer = 3 AND substr(veri, 1, 2) = CAST('BM' AS BLOB) AND "
                 "length(veri) >= 11"),
            1);
  for (const char* tablo : {"duyuru", "acilis_reklam"}) {
    Statement& resimler = db_.Prepare(std::string("SELECT resim FROM ") + tablo + " WHERE resim <> ''");
    int adet = 0;
    while (resimler.Step()) {
      const std::vector<std::uint8_t> jpeg = HexCoz(resimler.Text(0));
      ASSERT_GT(jpeg.size(), 4u);
      EXPECT_EQ(jpeg[0], 0xFF);
      EXPECT_EQ(jpeg[1], 0xD8);
      ++adet;
    }
    resimler.Reset();
    EXPECT_GE(adet, 3) << tablo;
  }
  EXPECT_EQ(Sayi("SELECT count(*) FROM duyuru WHERE resim = ''"), 1);
  EXPECT_EQ(Sayi("SELECT count(*) FROM ayar WHERE anahtar = 'kayan_yazi' AND deger LIKE '<b>%'"), 1);
}

TEST_F(DemoVerisi, IsWholeAndTheSearchIndexIsCurrent) {
  EXPECT_EQ(Sayi("SELECT count(*) FROM pragma_foreign_key_check"), 0);
  Statement& butunluk = db_.Prepare("PRAGMA integrity_check");
  ASSERT_TRUE(butunluk.Step());
  EXPECT_EQ(butunluk.Text(0), "ok");
  butunluk.Reset();
  EXPECT_EQ(Sayi("SELECT count(*) FROM stok_ara WHERE stok_ara MATCH '\"balata\"'"),
            Sayi("SELECT count(*) FROM stok WHERE instr(arama, 'balata') > 0"));
  EXPECT_GT(Sayi("SELECT count(*) FROM stok WHERE yeni = 1"), 0);
  EXPECT_GT(Sayi("SELECT count(*) FROM stok WHERE kampanya = 1 AND kampfiyat < listefiyat"), 0);
}

// One computer logs in as one user: registering the ID moves it from its last holder.
TEST(RegisterComputer, MovesTheIdToTheNamedUser) {
  GeciciKlasor klasor;
  const auto yol = klasor.yol() / "kayit.db";
  std::filesystem::copy_file(test::DemoVeritabani(300), yol);
  Database db(yol.string());
  RegisterComputer(db, "DEMO-AHMET", "mehmet");
  Statement& sahipler = db.Prepare("SELECT adi FROM kullanici WHERE bilgisayar_id = 'DEMO-AHMET'");
  ASSERT_TRUE(sahipler.Step());
  EXPECT_EQ(sahipler.Text(0), "MEHMET");
  EXPECT_FALSE(sahipler.Step());
  sahipler.Reset();
  EXPECT_THROW(RegisterComputer(db, "PC-1", "KİMSE"), DatabaseError);
  EXPECT_THROW(RegisterComputer(db, "", "AHMET"), DatabaseError);
}

}  // namespace
}  // namespace zorvat::server
