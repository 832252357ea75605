#include "remote/record_codec.h"

#include <gtest/gtest.h>

#include "remote/records.h"
#include "session/sonuc_bilgisi.h"
#include "support/fixtures.h"

namespace zorvat {
namespace {

// Decodes a fixture and checks that it encodes back to the same text.
template <class T>
T RoundTrip(const char* fixture) {
  const std::string json = test::Fixture(fixture);
  T record = RecordFromJson<T>(json);
  EXPECT_EQ(RecordToJson(record), json) << fixture;
  return record;
}

TEST(RecordJsonTest, SessionRecordWithEveryField) {
  const TSonucBilgisi record = RoundTrip<TSonucBilgisi>("sonuc_bilgisi.json");
  EXPECT_EQ(record.BILGISAYARID(), "00-1A-2B-3C-4D-5E");
  EXPECT_EQ(record.SaticiMail(), "satis@ornek.com.tr");
  EXPECT_EQ(record.Sirano(), 12);
  EXPECT_EQ(record.CariAdi(), "A&B OTOMOTİV ŞUBE \"1\"");
  EXPECT_EQ(record.SIFRE(), "GİZLİ");
  EXPECT_EQ(record.SaticiNo(), 7);
  EXPECT_EQ(record.CARINO(), 1042);
  EXPECT_EQ(record.AKTIF(), 1);
  EXPECT_EQ(record.Kullanicimail(), "ahmet@ornek.com.tr");
  EXPECT_EQ(record.ADI(), "AHMET");
  EXPECT_EQ(record.SaticiTelefon(), "0212 555 01 02");
  EXPECT_EQ(record.carikod(), "120.01.042");
  EXPECT_TRUE(record.Varmi());
  EXPECT_EQ(record.SaticiAdi(), "Gökhan Çelik");
  EXPECT_EQ(record.BilgiSayarAdi(), "MUHASEBE-PC");
  EXPECT_EQ(record.Disip(), "203.0.113.7");
  EXPECT_EQ(record.Icip(), "192.168.1.20");
  EXPECT_EQ(record.BilgisayarKullanici(), "ahmet");
  EXPECT_EQ(record.MusteriTipi(), 0);
  EXPECT_EQ(record.Version(), 3);
}

TEST(RecordJsonTest, ArrayOfRecordsTakesTheNextIds) {
  const auto list = RoundTrip<TAcilisEkranlariki>("acilis_ekranlari.json");
  ASSERT_EQ(list.Ekranlar().size(), 2u);
  EXPECT_EQ(list.Ekranlar()[0].SiraNo(), 1);
  EXPECT_EQ(list.Ekranlar()[0].Resim(), "FFD8FFD9");
  EXPECT_EQ(list.Ekranlar()[0].Baslik(), "Yeni Ürünler");
  EXPECT_EQ(list.Ekranlar()[0].Arama(), "#YENİ#");
  EXPECT_EQ(list.Ekranlar()[1].Arama(), "#KAMPANYA#");
}

TEST(RecordJsonTest, OtherRecordClassesRoundTrip) {
  const auto card = RoundTrip<TMobilCariBilgisi>("mobil_cari_bilgisi.json");
  EXPECT_EQ(card.CARIADI(), "ÖZ GÜNEŞ OTO");
  EXPECT_DOUBLE_EQ(card.TLBORC(), 15000.25);
  EXPECT_DOUBLE_EQ(card.TLBAKIYE(), 2999.75);
  EXPECT_EQ(card.CARINO(), 1042);
  EXPECT_EQ(card.ILCE(), "Bağcılar");

  const auto footer = RoundTrip<TSiparisDipAyrinti>("siparis_dip.json");
  EXPECT_EQ(footer.Durumu(), "Onaylandı");
  EXPECT_EQ(footer.SaticiNotu(), "  ");

  const auto counters = RoundTrip<TTusSonuclari>("tus_sonuclari.json");
  EXPECT_EQ(counters.SevkEdildi(), 12);
  EXPECT_EQ(counters.Onaylandi(), 0);
}

TEST(RecordJsonTest, MissingFieldsKeepConstructorValuesAndUnknownMembersAreIgnored) {
  const auto record = RecordFromJson<TSonucBilgisi>(
      R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":5,"FYeniAlan":"x","FADI":null}})");
  EXPECT_EQ(record.CARINO(), 5);
  EXPECT_EQ(record.MusteriTipi(), 1);
  EXPECT_EQ(record.Version(), 1);
  EXPECT_EQ(record.ADI(), "");
  EXPECT_FALSE(record.Varmi());
}

TEST(RecordJsonTest, MembersMayComeInAnyOrder) {
  const auto counters = RecordFromJson<TTusSonuclari>(
      R"({"fields":{"FGoruldu":9},"id":1,"type":"baglantiu.TTusSonuclari"})");
  EXPECT_EQ(counters.Goruldu(), 9);
}

TEST(RecordJsonTest, RefusedForms) {
  struct Case {
    const char* json;
    const char* message;  // nullptr: any message
  };
  const std::vector<Case> cases = {
      {R"([1])", "The input value is not a valid Object"},
      {R"("metin")", "The input value is not a valid Object"},
      {R"({"type":"TSonucBilgisi","id":1,"fields":{}})", nullptr},
      {R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})", nullptr},
      {R"({"type":"BAGLANTIU.TSONUCBILGISI","id":1,"fields":{}})", nullptr},
      {R"({"id":1,"fields":{}})", nullptr},
      {R"({"type":"baglantiu.TSonucBilgisi","id":1})", nullptr},
      {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"12"}})", nullptr},
      {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":4294967296}})", nullptr},
      {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})", nullptr},
      {R"({"type":"baglantiu.TSonucBilgisi")", nullptr},
  };
  for (const Case& c : cases) {
    try {
      RecordFromJson<TSonucBilgisi>(c.json);
      ADD_FAILURE() << "accepted: " << c.json;
    } catch (const ProtocolError& error) {
      if (c.message) {
        EXPECT_STREQ(error.what(), c.message) << c.json;
      }
    }
  }
}

TEST(SessionRecordTest, FreshRecordIsKindOneVersionOne) {
  const TSonucBilgisi record;
  EXPECT_EQ(record.MusteriTipi(), 1);
  EXPECT_EQ(record.Version(), 1);
  EXPECT_EQ(record.CARINO(), 0);
  EXPECT_FALSE(record.Varmi());
  EXPECT_EQ(record.ADI(), "");
}

TEST(SessionRecordTest, KopyalaCopiesEveryFieldOverTheDefaults) {
  const TSonucBilgisi source = RecordFromJson<TSonucBilgisi>(test::Fixture("sonuc_bilgisi.json"));
  TSonucBilgisi copy;
  copy.SetCARINO(99);
  copy.Kopyala(source);
  EXPECT_EQ(copy, source);
  EXPECT_EQ(copy.MusteriTipi(), 0);
  EXPECT_EQ(copy.Version(), 3);
}

TEST(SessionRecordTest, SettersStoreTheirField) {
  TSonucBilgisi record;
  record.SetCARINO(1042);
  record.Setcarikod("120.01.042");
  record.SetCariAdi("ÖZ GÜNEŞ OTO");
  record.SetVarmi(true);
  EXPECT_EQ(record.CARINO(), 1042);
  EXPECT_EQ(record.carikod(), "120.01.042");
  EXPECT_EQ(record.CariAdi(), "ÖZ GÜNEŞ OTO");
  EXPECT_TRUE(record.Varmi());
}

}  // namespace
}  // namespace zorvat
