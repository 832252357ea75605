// The documents behind statement rows: invoice lines and totals, collection entries, and
// the card payment receipt as a PDF document read back by pdftotext.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/bicim.h"
#include "sonuc_denetimi.h"

namespace zorvat::test {
namespace {

using enum FieldType;

// The invoice window's columns: shown, offered, then hidden.
const std::vector<Kolon> kFaturaSatirlari = {{"OEMNO", String},
                                             {"STOKADI", String},
                                             {"FINISHKOD", String},
                                             {"MARKA", String},
                                             {"MODEL", String},
                                             {"ANAGRUP", String},
                                             {"BIRIM", String},
                                             {"STOKHAR_MIKTAR", Float},
                                             {"STOKHAR_TLBIRIMFIYATI", Float},
                                             {"STOKHAR_TLTUTAR", Float},
                                             {"STOKHAR_INDIRIM1", Float},
                                             {"STOKHAR_INDIRIM2", Float},
                                             {"KDV", Float},
                                             {"STOKHAR_TOPLAMINDIRIM", Float},
                                             {"STOKHAR_TOPLAMMASRAF", Float},
                                             {"STOKHAR_NETTLBIRIMFIYATI", Float},
                                             {"STOKHAR_NETTLTUTAR", Float},
                                             {"OZELKOD", String},
                                             {"BARKOD", String},
                                             {"STOKHAR_HAREKETTARIHI", Date},
                                             {"STOKHAR_HAREKETTIPI2", String},
                                             {"EVRAKNO", String},
                                             {"STOKHAR_TLVERGI", Float},
                                             {"IRSALIYEEVRAKNO", String},
                                             {"STOKHAR_IRSTARIHI", Date},
                                             {"SATIRACIKLMASI", String},
                                             {"STOKHAR_SAAT", Time},
                                             {"STOKHAR_VADE", Integer},
                                             {"SIPARISEVRAKNO", String},
                                             {"SIPARISTARIHI", Date},
                                             {"IRSALIYETIP2", String},
                                             {"STOKHAR_INDIRIM3", Float},
                                             {"STOKHAR_INDIRIM4", Float},
                                             {"STOKHAR_INDIRIM5", Float},
                                             {"STOKHAR_INDIRIM6", Float},
                                             {"STOKHAR_INDIRIM7", Float},
                                             {"STOKHAR_INDIRIM8", Float},
                                             {"STOKHAR_DOVIZBIRIMFIYATI", Float},
                                             {"STOKHAR_DOVIZVERGI", Float},
                                             {"STOKHAR_DOVIZTUTAR", Float},
                                             {"STOKHAR_PARTI", String},
                                             {"STOKHAR_BEDEN", String},
                                             {"STOKHAR_RENK", String},
                                             {"STOKHAR_MASRAF1", Float},
                                             {"STOKHAR_MASRAF2", Float},
                                             {"STOKHAR_DOVIZTOPLAMINDIRIM", Float},
                                             {"STOKHAR_DOVIZTOPLAMMASRAF", Float},
                                             {"STOKHAR_NETDOVIZBIRIMFIYATI", Float},
                                             {"STOKHAR_NETDOVIZTUTAR", Float},
                                             {"STOKHAR_KURTL", Float},
                                             {"SIPARISTIPI", String},
                                             {"IRSALIYETIPINO", Integer},
                                             {"STOKCARIKOD", String},
                                             {"SUBE_NO", Integer},
                                             {"STOKHAR_CARINO", Integer},
                                             {"KUR_KURSIMGE", String},
                                             {"SATICIADI", String},
                                             {"URETICIKODU", String},
                                             {"DPKOD", String},
                                             {"ENADI", String},
                                             {"PKOD", String},
                                             {"BELGENO", String},
                                             {"IDNO", Integer}};

const std::vector<Kolon> kFaturaToplamlari = {
    {"TOPLAM", Float}, {"TOPLAMINDIRIM", Float}, {"MATRAH", Float}, {"KDVTUTAR", Float}, {"KDVDAHIL", Float}};

const std::vector<Kolon> kTahsilat = {
    {"Tarih", Date},     {"Türü", String}, {"Cins", String}, {"Vade", Date},  {"Tutar", Float}, {"Açıklama", String},
    {"EvrakNo", String}, {"Ref", String},  {"Saat", Time},   {"Kur", String}, {"KurTL", Float}, {"Döviz Tutar", Float}};

class Evraklar : public testing::Test {
 protected:
  std::int64_t Sayi(const std::string& sql) const { return sunucu_.VeritabanindanSayi(sql); }
  std::int64_t Fatura() const { return Sayi("SELECT idno FROM fatura WHERE carino = 1 ORDER BY idno LIMIT 1"); }
  std::int64_t KartliTahsilat() const {
    return Sayi("SELECT tahsilat_idno FROM sanal_pos WHERE carino = 1 ORDER BY sirano LIMIT 1");
  }

  SunucuFiksturu sunucu_;
};

TEST_F(Evraklar, TablesCarryTheWindowsColumnsInOrderAndKind) {
  struct Cagri {
    const char* metot;
    std::string govde;
    const std::vector<Kolon>& kolonlar;
  };
  const Cagri cagrilar[] = {
      {"FaturaGetir", Parametreler(1, Fatura()), kFaturaSatirlari},
      {"FaturaAltGetir", Parametreler(Fatura()), kFaturaToplamlari},
      {"Tahsilat", Parametreler(KartliTahsilat()), kTahsilat},
  };
  for (const Cagri& cagri : cagrilar) {
    SCOPED_TRACE(cagri.metot);
    const auto tablo = BasariliTablo(sunucu_, cagri.metot, cagri.govde);
    KolonlariDenetle(*tablo, cagri.kolonlar);
    EXPECT_GT(tablo->RecordCount(), 0u);
  }
}

// The window shows the totals row as it comes and the header from the last line: the
// totals must be those of the lines, and every line must carry the same header.
TEST_F(Evraklar, InvoiceTotalsAreThoseOfItsLines) {
  const std::int64_t idno = Fatura();
  const auto satirlar = BasariliTablo(sunucu_, "FaturaGetir", Parametreler(1, idno));
  const auto toplamlar = BasariliTablo(sunucu_, "FaturaAltGetir", Parametreler(idno));
  ASSERT_GT(satirlar->RecordCount(), 0u);
  ASSERT_EQ(toplamlar->RecordCount(), 1u);
  double tutar = 0, indirim = 0, net = 0, vergi = 0;
  for (std::size_t i = 0; i < satirlar->RecordCount(); ++i) {
    const auto f = [&](const char* ad) { return satirlar->FieldByName(ad).FloatAt(i); };
    tutar = Yuvarla2(tutar + f("STOKHAR_TLTUTAR"));
    indirim = Yuvarla2(indirim + f("STOKHAR_TOPLAMINDIRIM"));
    net = Yuvarla2(net + f("STOKHAR_NETTLTUTAR"));
    vergi = Yuvarla2(vergi + f("STOKHAR_TLVERGI"));
    EXPECT_NEAR(f("STOKHAR_TLTUTAR") - f("STOKHAR_TOPLAMINDIRIM"), f("STOKHAR_NETTLTUTAR"), 0.005);
    for (const char* ad : {"EVRAKNO", "STOKHAR_HAREKETTIPI2", "SATICIADI", "STOKHAR_VADE"}) {
      EXPECT_EQ(satirlar->FieldByName(ad).StringAt(i), satirlar->FieldByName(ad).StringAt(0)) << ad;
    }
    EXPECT_EQ(satirlar->FieldByName("IDNO").LargeIntAt(i), idno);
  }
  const auto t = [&](const char* ad) { return toplamlar->FieldByName(ad).FloatAt(0); };
  EXPECT_NEAR(t("TOPLAM"), tutar, 0.005);
  EXPECT_NEAR(t("TOPLAMINDIRIM"), indirim, 0.005);
  EXPECT_NEAR(t("MATRAH"), net, 0.005);
  EXPECT_NEAR(t("KDVTUTAR"), vergi, 0.005);
  EXPECT_NEAR(t("KDVDAHIL"), Yuvarla2(net + vergi), 0.005);
  EXPECT_FALSE(satirlar->FieldByName("EVRAKNO").StringAt(0).empty());
}

// A document of another account or one that is not there gives empty tables and no card
// payment.
TEST_F(Evraklar, UnknownDocumentsAreEmpty) {
  EXPECT_EQ(BasariliTablo(sunucu_, "FaturaGetir", Parametreler(2, Fatura()))->RecordCount(), 0u);
  for (const char* metot : {"FaturaAltGetir", "Tahsilat"}) {
    SCOPED_TRACE(metot);
    EXPECT_EQ(BasariliTablo(sunucu_, metot, Parametreler(999999))->RecordCount(), 0u);
  }
  const Sonuc pos = sunucu_.Cagir("SanalposSiranoVer", Parametreler(999999));
  ASSERT_EQ(pos.Durum(), 200);
  EXPECT_EQ(pos.Tamsayi(0), 0);
}

// Only a collection paid by card has a card payment behind it.
TEST_F(Evraklar, CardPaymentBehindACollection) {
  const std::int64_t kartli = KartliTahsilat();
  const std::int64_t nakit = Sayi(
      "SELECT t.idno FROM tahsilat t WHERE t.carino = 1 AND NOT EXISTS "
      "(SELECT 1 FROM sanal_pos p WHERE p.tahsilat_idno = t.idno) LIMIT 1");
  EXPECT_EQ(sunucu_.Cagir("SanalposSiranoVer", Parametreler(kartli)).Tamsayi(0),
            Sayi("SELECT sirano FROM sanal_pos WHERE tahsilat_idno = " + std::to_string(kartli)));
  EXPECT_EQ(sunucu_.Cagir("SanalposSiranoVer", Parametreler(nakit)).Tamsayi(0), 0);

  const auto girisler = BasariliTablo(sunucu_, "Tahsilat", Parametreler(kartli));
  ASSERT_EQ(girisler->RecordCount(), 1u);
  EXPECT_EQ(girisler->FieldByName("Cins").StringAt(0), "Kredi Kartı");
  EXPECT_EQ(girisler->FieldByName("Türü").StringAt(0), "Tahsilat");
}

TEST_F(Evraklar, CardPaymentReceiptIsAPdfWithThePaymentsData) {
  const std::int64_t sirano = Sayi("SELECT sirano FROM sanal_pos WHERE carino = 1 ORDER BY sirano LIMIT 1");
  const std::vector<std::string> odeme = VeritabanindanMetinler(
      sunucu_,
      "SELECT c.cariadi, p.kart_no, p.onay_kodu, p.tutar FROM sanal_pos p JOIN cari c USING (carino) "
      "WHERE p.sirano = " +
          std::to_string(sirano));
  const std::string pdf = AkisBaytlari(sunucu_.Cagir("SAnalPosPdfVer", Parametreler(sirano)));
  ASSERT_TRUE(pdf.starts_with("%PDF-"));
  const std::string metin = PdfMetni(pdf);
  for (const std::string& beklenen : {std::string("Sanal POS Ödeme Dekontu"), odeme[0], odeme[1], odeme[2],
                                      FormatFloat(ParaBicimi, std::stod(odeme[3]), TurkceAyiraclar) + " TL"}) {
    EXPECT_NE(metin.find(beklenen), std::string::npos) << beklenen << "\n" << metin;
  }

  // No payment, no document: length 0 and no bytes.
  const Sonuc yok = sunucu_.Cagir("SAnalPosPdfVer", Parametreler(999999));
  ASSERT_EQ(yok.Durum(), 200);
  EXPECT_EQ(yok.Tamsayi(0), 0);
  EXPECT_EQ(yok.Metin(1), "");
}

}  // namespace
}  // namespace zorvat::test
