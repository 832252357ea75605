// The shape of every answer of the catalogue, basket, order, login and customer
// selection methods over raw HTTP: status, number of results, and for tables every column
// the calling window names, in its order and of its kind (money as float).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "remote/base64.h"
#include "remote/records.h"
#include "server_fixture.h"

namespace zorvat::test {
namespace {

using enum FieldType;

struct Kolon {
  const char* ad;
  FieldType tur;
};

struct TabloCagrisi {
  const char* metot;
  std::string govde;
  std::vector<Kolon> kolonlar;  // the named columns, in order; more may follow
};

const TSonucBilgisi kAhmet = Oturum(3, 1, 0);
const TSonucBilgisi kMurat = Oturum(1, 1, 1);

const std::vector<Kolon> kStokListesi = {{"DURUM", SmallInt},
                                         {"DEPO2", String},
                                         {"OEM1", String},
                                         {"OEM2", String},
                                         {"OEM3", String},
                                         {"BARKOD", String},
                                         {"ADI", String},
                                         {"OEM4", String},
                                         {"STOK_STOKNO", Integer},
                                         {"FINISHKOD", String},
                                         {"URETICIKODU", String},
                                         {"RESIM", SmallInt},
                                         {"BARKOD_BARKODNO", String},
                                         {"DIGERADI", String},
                                         {"DPKOD", String},
                                         {"OEMNO", String},
                                         {"BIRIM", String},
                                         {"MARKA", String},
                                         {"MODEL", String},
                                         {"ANAGRUP", String},
                                         {"OZELKOD", String},
                                         {"KALAN", Float},
                                         {"PKOD", String},
                                         {"KDV", Integer},
                                         {"ALINANSIPARIS", Float},
                                         {"VERILENSIPARIS", Float},
                                         {"LISTEFIYAT1", Float},
                                         {"KAMPFIYAT", Float},
                                         {"FIYAT", Float},
                                         {"Y", SmallInt},
                                         {"K", SmallInt},
                                         {"INDIRIMYAZI", String},
                                         {"NETFIYAT", Float},
                                         {"KDVDAHIL", Float},
                                         {"IND1", Float},
                                         {"IND2", Float},
                                         {"IND3", Float},
                                         {"IND4", Float}};

const std::vector<Kolon> kYeniler = {{"OEM1", String},          {"OEM2", String},
                                     {"OEM3", String},          {"BARKOD", String},
                                     {"ADI", String},           {"OEM4", String},
                                     {"STOK_STOKNO", Integer},  {"FINISHKOD", String},
                                     {"URETICIKODU", String},   {"BARKOD_BARKODNO", String},
                                     {"DIGERADI", String},      {"DPKOD", String},
                                     {"OEMNO", String},         {"BIRIM", String},
                                     {"MARKA", String},         {"MODEL", String},
                                     {"ANAGRUP", String},       {"OZELKOD", String},
                                     {"KALAN", Float},          {"PKOD", String},
                                     {"KDV", Integer},          {"ALINANSIPARIS", Float},
                                     {"VERILENSIPARIS", Float}, {"FIYAT", Float},
                                     {"K", SmallInt},           {"LISTEFIYAT1", Float},
                                     {"KAMPFIYAT", Float},      {"INDIRIMYAZI", String},
                                     {"INDIRIM", Float},        {"NETFIYAT", Float},
                                     {"KDVDAHIL", Float}};

const std::vector<Kolon> kKampanyalilar = {{"OEM1", String},
                                           {"OEM2", String},
                                           {"OEM3", String},
                                           {"BARKOD", String},
                                           {"ADI", String},
                                           {"OEM4", String},
                                           {"STOK_STOKNO", Integer},
                                           {"RESIM", SmallInt},
                                           {"FINISHKOD", String},
                                           {"URETICIKODU", String},
                                           {"BARKOD_BARKODNO", String},
                                           {"DIGERADI", String},
                                           {"DPKOD", String},
                                           {"OEMNO", String},
                                           {"BIRIM", String},
                                           {"MARKA", String},
                                           {"MODEL", String},
                                           {"ANAGRUP", String},
                                           {"OZELKOD", String},
                                           {"KALAN", Float},
                                           {"PKOD", String},
                                           {"KDV", Integer},
                                           {"ALINANSIPARIS", Float},
                                           {"VERILENSIPARIS", Float},
                                           {"ESKIFIYAT", Float},
                                           {"FIYAT", Float},
                                           {"Y", SmallInt},
                                           {"K", SmallInt},
                                           {"INDIRIM", Float},
                                           {"INDIRIMYAZI", String},
                                           {"NETFIYAT", Float},
                                           {"KDVDAHIL", Float},
                                           {"DURUM", SmallInt}};

const std::vector<Kolon> kSepet = {
    {"SEC", SmallInt},        {"VERILISTARIHI", Date},  {"SIRANO", Integer},      {"SIPARISNO", Integer},
    {"CARINO", Integer},      {"TARIH", Date},          {"AKTAR", SmallInt},      {"STOKNO", Integer},
    {"BARKOD", String},       {"FINISHKOD", String},    {"OEMNO", String},        {"STOKADI", String},
    {"MIKTAR", Float},        {"BIRIMFIYAT", Float},    {"TUTAR", Float},         {"INDIRIMYAZI", String},
    {"INDIRIMORANI1", Float}, {"INDIRIMORANI2", Float}, {"INDIRIMORANI3", Float}, {"INDIRIMTUTAR", Float},
    {"NETBIRIMFIYAT", Float}, {"KDV", Float},           {"VERGITUTARI", Float},   {"NETTUTAR", Float},
    {"KUR", String},          {"KURTL", Float},         {"VERENIDNO", Integer},   {"SAAT", Time},
    {"TESLIMID", Integer},    {"KARGOID", Integer},     {"ACIKLAMA", String},     {"IDNO", Integer},
    {"VERENSIRANO", Integer}, {"KDVLITUTAR", Float},    {"VEREN", String},        {"CARIKOD", String},
    {"CARIADI", String},      {"OEM1", String},         {"OEM2", String},         {"OEM3", String},
    {"OEM4", String},         {"DIGERADI", String},     {"DPKOD", String},        {"PKOD", String},
    {"STOK_STOKNO", Integer}, {"URETICIKODU", String},  {"MARKA", String},        {"MODEL", String},
    {"ANAGRUP", String},      {"OZELKOD", String},      {"DURUM", SmallInt},      {"KALAN", Float},
    {"INDIRIMORANI4", Float}};

const std::vector<Kolon> kStokHareketleri = {{"BARKOD", String},       {"TARIH", Date},
                                             {"TURU", String},         {"EVRAKSERI", String},
                                             {"EVRAKSIRA", Integer},   {"MIKTAR", Float},
                                             {"TLBIRIMFIYAT", Float},  {"TLVERGI", Float},
                                             {"TLTUTAR", Float},       {"INDIRIM1", Float},
                                             {"INDIRIM2", Float},      {"INDIRIM3", Float},
                                             {"INDIRIM4", Float},      {"INDIRIM5", Float},
                                             {"INDIRIM6", Float},      {"INDIRIM7", Float},
                                             {"INDIRIM8", Float},      {"TOPLAMINDIRIM", Float},
                                             {"MASRAF1", Float},       {"MASRAF2", Float},
                                             {"TOPLAMMASRAF", Float},  {"NETBIRIMFIYAT", Float},
                                             {"NETTLTUTAR", Float},    {"VADE", Date},
                                             {"STOKCARIKOD", String},  {"KDVDAHILBIRIMFIYAT", Float},
                                             {"KDVDAHILTUTAR", Float}, {"SATICI", String}};

const std::vector<Kolon> kCariler = {{"CARIKOD", String},
                                     {"CARIADI", String},
                                     {"SATICISI", String},
                                     {"TLBAKIYE", Float},
                                     {"DURUM", String},
                                     {"SEPET", Integer},
                                     {"CARINO", Integer},
                                     {"OZELKOD", String},
                                     {"KOD1", String},
                                     {"KOD2", String},
                                     {"KOD3", String},
                                     {"KOD4", String},
                                     {"KOD5", String},
                                     {"TEL1", String},
                                     {"TEL2", String},
                                     {"ILCE", String},
                                     {"IL", String},
                                     {"GSM", String},
                                     {"YETKILI", String},
                                     {"INDIRIM", String},
                                     {"VADE", Integer},
                                     {"VADEKONTROLGUN", Integer},
                                     {"VADEKONTROLAY", Integer},
                                     {"VERGIDAIRESI", String},
                                     {"VERGINO", String},
                                     {"ADRES1", String},
                                     {"ADRES2", String},
                                     {"ANAGRUP", String},
                                     {"ALTGRUP", String},
                                     {"FAX1", String},
                                     {"FAX2", String},
                                     {"EMAIL", String},
                                     {"ALINDI", Integer},
                                     {"ONAYLANDI", Integer},
                                     {"GORULDU", Integer},
                                     {"HAZIRLANDI", Integer},
                                     {"PARCALIHAZIRLANDI", Integer}};

const std::vector<Kolon> kAnahtarAd = {{"SIRANO", Integer}, {"ADI", String}};

TEST(MetotSekilleri, TablesCarryTheNamedColumnsInOrderAndKind) {
  SunucuFiksturu sunucu;
  const std::int64_t faturaliStok = sunucu.VeritabanindanSayi(
      "SELECT fs.stokno FROM fatura_satir fs JOIN fatura f USING (idno) WHERE f.carino = 1 LIMIT 1");
  const TabloCagrisi cagrilar[] = {
      {"StokAraGetir", Parametreler("FREN", kAhmet), kStokListesi},
      {"YenilerVer2", Parametreler(1), kYeniler},
      {"KampanyaliVer2", Parametreler(1, 0), kKampanyalilar},
      {"StokHareketVer", Parametreler(1, faturaliStok), kStokHareketleri},
      {"SepetVer2", Parametreler(1), kSepet},
      {"TeslimVer", Parametreler(), kAnahtarAd},
      {"KargoVer", Parametreler(), kAnahtarAd},
      {"KargolarVer", Parametreler(1), {{"SIRANO", Integer}, {"ADI", String}, {"UYARI", String}}},
      {"CariAra", Parametreler(kMurat, ""), kCariler},
      {"CariSepetVer", Parametreler(kMurat, 2), kCariler},
  };
  for (const TabloCagrisi& cagri : cagrilar) {
    SCOPED_TRACE(cagri.metot);
    const Sonuc sonuc = sunucu.Cagir(cagri.metot, cagri.govde);
    ASSERT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
    ASSERT_EQ(sonuc.Adet(), 1u);
    MemTable tablo;
    sonuc.Tablo(0, tablo);
    ASSERT_GE(tablo.FieldCount(), cagri.kolonlar.size());
    for (std::size_t i = 0; i < cagri.kolonlar.size(); ++i) {
      EXPECT_EQ(tablo.Fields(i).FieldName(), cagri.kolonlar[i].ad) << "sütun " << i;
      EXPECT_EQ(tablo.Fields(i).DataType(), cagri.kolonlar[i].tur) << cagri.kolonlar[i].ad;
    }
    EXPECT_GT(tablo.RecordCount(), 0u);
  }
}

// The add dialog reads the four rates from whichever list it was opened on.
TEST(MetotSekilleri, NewAndCampaignListsCarryTheRates) {
  SunucuFiksturu sunucu;
  for (const auto& [metot, govde] :
       {std::pair{"YenilerVer2", Parametreler(1)}, std::pair{"KampanyaliVer2", Parametreler(1, 1)}}) {
    MemTable tablo;
    sunucu.Cagir(metot, govde).Tablo(0, tablo);
    for (const char* ad : {"IND1", "IND2", "IND3", "IND4"}) {
      const Field* alan = tablo.FindField(ad);
      ASSERT_NE(alan, nullptr) << metot << " " << ad;
      EXPECT_EQ(alan->DataType(), Float);
    }
  }
}

TEST(MetotSekilleri, RecordsComeAsTheirClasses) {
  SunucuFiksturu sunucu;
  const Sonuc oturum = sunucu.Cagir("BuyukGetir", Parametreler("DEMO-AHMET"));
  ASSERT_EQ(oturum.Durum(), 200);
  EXPECT_EQ(oturum.Deger(0)["type"].get_string().value(), "baglantiu.TSonucBilgisi");
  EXPECT_TRUE(oturum.KayitAl<TSonucBilgisi>(0).Varmi());

  const Sonuc kart = sunucu.Cagir("MobilCariBilgisiGetir", Parametreler(0, "DEMO-AHMET"));
  ASSERT_EQ(kart.Durum(), 200);
  EXPECT_EQ(kart.Deger(0)["type"].get_string().value(), "mobilstokunit.TMobilCariBilgisi");
  EXPECT_EQ(kart.KayitAl<TMobilCariBilgisi>(0).CARINO(), 1);

  const Sonuc tuslar = sunucu.Cagir("TusSonuclariVer", Parametreler(kMurat));
  ASSERT_EQ(tuslar.Durum(), 200);
  EXPECT_EQ(tuslar.Deger(0)["type"].get_string().value(), "baglantiu.TTusSonuclari");
  EXPECT_GT(tuslar.KayitAl<TTusSonuclari>(0).SevkEdildi(), 0);
}

TEST(MetotSekilleri, ScalarsAndStreams) {
  SunucuFiksturu sunucu;
  const Sonuc uyari = sunucu.Cagir("CariVadeGunGecmismiBul", Parametreler(1));
  ASSERT_EQ(uyari.Durum(), 200);
  EXPECT_TRUE(uyari.Deger(0).is_string());

  const Sonuc posta = sunucu.Cagir("MailGonserCari", Parametreler("ID", "Şifre Değiştirme İsteği", "F", "A1", "A2", "İ",
                                                                  "Ş", "T", "F", "VD", "VN", "Y", "K", "S", "M", "KA"));
  ASSERT_EQ(posta.Durum(), 200) << posta.Govde();
  EXPECT_EQ(posta.Tamsayi(0), 1);

  const Sonuc ekle =
      sunucu.Cagir("SepetEkle2", Parametreler(kAhmet, 1, 1, "B", "A", 1.0, 20.0, 10.0, 0.0, 3, 0, 0.0, 0.0, 0.0));
  ASSERT_EQ(ekle.Durum(), 200) << ekle.Govde();
  EXPECT_EQ(ekle.Tamsayi(0), 1);

  const Sonuc secim = sunucu.Cagir("SepetSecimGuncelle", Parametreler(1, 0));
  ASSERT_EQ(secim.Durum(), 200);
  EXPECT_EQ(secim.Adet(), 0u);

  const Sonuc sayi = sunucu.Cagir("SepetSayisi", Parametreler(kMurat));
  ASSERT_EQ(sayi.Durum(), 200);
  EXPECT_GT(sayi.Tamsayi(0), 0);

  const Sonuc kaydet = sunucu.Cagir("SiparisKaydet", Parametreler(kAhmet, 1, 2, 1, "Not", 3, 1));
  ASSERT_EQ(kaydet.Durum(), 200) << kaydet.Govde();
  EXPECT_TRUE(kaydet.Deger(0).is_bool());

  const Sonuc sil = sunucu.Cagir("SepetHepsiniSil", Parametreler(kAhmet));
  ASSERT_EQ(sil.Durum(), 200);
  EXPECT_TRUE(sil.Deger(0).is_int64());
}

// A picture: its length, then its bytes in base64; an item without one announces 0.
TEST(MetotSekilleri, PictureStreamAnnouncesItsLength) {
  SunucuFiksturu sunucu;
  const Sonuc resim = sunucu.Cagir("ResimVer5", Parametreler(1));
  ASSERT_EQ(resim.Durum(), 200);
  ASSERT_EQ(resim.Adet(), 2u);
  const std::vector<std::uint8_t> baytlar = Base64Decode(resim.Metin(1)).value();
  EXPECT_EQ(resim.Tamsayi(0), static_cast<std::int64_t>(baytlar.size()));
  ASSERT_GT(baytlar.size(), 2u);
  EXPECT_EQ(baytlar[0], 0xFF);
  EXPECT_EQ(baytlar[1], 0xD8);

  const Sonuc yok = sunucu.Cagir("ResimVer5", Parametreler(2));
  ASSERT_EQ(yok.Durum(), 200);
  EXPECT_EQ(yok.Tamsayi(0), 0);
  EXPECT_EQ(yok.Metin(1), "");
}

}  // namespace
}  // namespace zorvat::test
