// Login, the account card and mail; and the representatives' customer selection, which
// shows each user only his own customers.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "net/bicim.h"
#include "remote/records.h"
#include "server_fixture.h"

namespace zorvat::test {
namespace {

const TSonucBilgisi kMurat = Oturum(1, 0, 1);  // representative of the odd accounts
const TSonucBilgisi kOzan = Oturum(2, 0, 2);   // representative of the even accounts
const TSonucBilgisi kAhmet = Oturum(3, 1, 0);

class Oturumlar : public testing::Test {
 protected:
  TSonucBilgisi Giris(const std::string& kimlik) {
    const Sonuc sonuc = sunucu_.Cagir("BuyukGetir", Parametreler(kimlik));
    EXPECT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
    return sonuc.KayitAl<TSonucBilgisi>(0);
  }

  std::unique_ptr<MemTable> Cariler(const std::string& metot, const std::string& govde) {
    const Sonuc sonuc = sunucu_.Cagir(metot, govde);
    EXPECT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
    return sonuc.Tablo(0);
  }

  static std::set<std::int64_t> Numaralar(const MemTable& tablo) {
    std::set<std::int64_t> numaralar;
    for (std::size_t i = 0; i < tablo.RecordCount(); ++i) numaralar.insert(tablo.FieldByName("CARINO").LargeIntAt(i));
    return numaralar;
  }

  SunucuFiksturu sunucu_;
};

struct GirisOrnegi {
  const char* kimlik;
  const char* adi;
  std::int32_t tur, aktif, carino, saticiNo;
};

TEST_F(Oturumlar, EachComputerGetsItsUsersRecord) {
  const GirisOrnegi ornekler[] = {
      {"DEMO-AHMET", "AHMET", 0, 1, 1, 1}, {"DEMO-MEHMET", "MEHMET", 3, 1, 2, 2}, {"DEMO-HASAN", "HASAN", 4, 1, 3, 1},
      {"DEMO-TOLGA", "TOLGA", 0, 0, 4, 2}, {"DEMO-MURAT", "MURAT", 1, 1, 0, 1},   {"DEMO-OZAN", "OZAN", 2, 1, 0, 2},
  };
  for (const GirisOrnegi& o : ornekler) {
    const TSonucBilgisi bilgi = Giris(o.kimlik);
    SCOPED_TRACE(o.kimlik);
    EXPECT_TRUE(bilgi.Varmi());
    EXPECT_EQ(bilgi.ADI(), o.adi);
    EXPECT_EQ(bilgi.SIFRE(), "1234");
    EXPECT_EQ(bilgi.MusteriTipi(), o.tur);
    EXPECT_EQ(bilgi.AKTIF(), o.aktif);
    EXPECT_EQ(bilgi.CARINO(), o.carino);
    EXPECT_EQ(bilgi.SaticiNo(), o.saticiNo);
    EXPECT_EQ(bilgi.Version(), 3);
    EXPECT_EQ(bilgi.BILGISAYARID(), o.kimlik);
    EXPECT_FALSE(bilgi.SaticiAdi().empty());
    EXPECT_EQ(bilgi.CariAdi().empty(), o.carino == 0);
  }
}

// An unknown computer gets a record, not null, so the client shows the request form; the
// offered version comes with it, so an outdated client updates first.
TEST_F(Oturumlar, UnknownComputerGetsARecordWithoutAccount) {
  {
    server::Database db(sunucu_.VeritabaniYolu());
    server::SetClientVersion(db, 4);
  }
  for (const char* kimlik : {"BILINMEYEN-PC", ""}) {
    const TSonucBilgisi bilgi = Giris(kimlik);
    EXPECT_FALSE(bilgi.Varmi()) << kimlik;
    EXPECT_EQ(bilgi.Version(), 4);
    EXPECT_EQ(bilgi.BILGISAYARID(), kimlik);
    EXPECT_EQ(bilgi.ADI(), "");
  }
  EXPECT_EQ(Giris("DEMO-AHMET").Version(), 4);
}

TEST_F(Oturumlar, RegisteringAComputerLogsItInAsThatUser) {
  {
    server::Database db(sunucu_.VeritabaniYolu());
    server::RegisterComputer(db, "YENI-PC", "HASAN");
  }
  EXPECT_EQ(Giris("YENI-PC").ADI(), "HASAN");
  EXPECT_FALSE(Giris("DEMO-HASAN").Varmi());
}

TEST_F(Oturumlar, AccountCardOfTheRegisteredCustomer) {
  const Sonuc sonuc = sunucu_.Cagir("MobilCariBilgisiGetir", Parametreler(0, "DEMO-AHMET"));
  ASSERT_EQ(sonuc.Durum(), 200);
  const TMobilCariBilgisi kart = sonuc.KayitAl<TMobilCariBilgisi>(0);
  EXPECT_EQ(kart.CARINO(), 1);
  EXPECT_EQ(kart.CARIKOD(), "120.01.1001");
  EXPECT_EQ(kart.KULLANICIADI(), "AHMET");
  EXPECT_EQ(kart.SATICIADI(), "Murat Kaya");
  EXPECT_FALSE(kart.ADRES1().empty());
  EXPECT_FALSE(kart.VERGINO().empty());
  EXPECT_GT(kart.TLBORC(), 0);
  EXPECT_DOUBLE_EQ(kart.TLBAKIYE(), Yuvarla2(kart.TLBORC() - kart.TLALACAK()));

  const Sonuc yok = sunucu_.Cagir("MobilCariBilgisiGetir", Parametreler(0, "BILINMEYEN-PC"));
  ASSERT_EQ(yok.Durum(), 200);
  EXPECT_TRUE(yok.Deger(0).is_null());
}

// Both mail methods keep the mail with every field in its place.
TEST_F(Oturumlar, MailIsKept) {
  const Sonuc sifre =
      sunucu_.Cagir("MailGonserCari", Parametreler("DEMO-AHMET", "Şifre Değiştirme İsteği", "YILDIZ OTO", "Adres 1",
                                                   "Adres 2", "Yenimahalle", "Ankara", "0312", "0313", "VD", "VN",
                                                   "Zeynep", "AHMET", "YENİ", "a@b.c", "Ostim Ambarı"));
  ASSERT_EQ(sifre.Durum(), 200) << sifre.Govde();
  const Sonuc normal = sunucu_.Cagir("MailGonserCariNormal", Parametreler("DEMO-AHMET", "Konu", "F", "", "", "", "", "",
                                                                          "", "", "", "", "", "", "", "", "\"a b\",c"));
  ASSERT_EQ(normal.Durum(), 200) << normal.Govde();
  EXPECT_EQ(sunucu_.VeritabanindanSayi(
                "SELECT count(*) FROM posta WHERE bilgisayar_id = 'DEMO-AHMET' AND baslik = 'Şifre Değiştirme İsteği' "
                "AND firmaadi = 'YILDIZ OTO' AND adres2 = 'Adres 2' AND yetkili = 'Zeynep' AND sifre = 'YENİ' AND "
                "kargoambar = 'Ostim Ambarı' AND konu = ''"),
            1);
  EXPECT_EQ(sunucu_.VeritabanindanSayi("SELECT count(*) FROM posta WHERE baslik = 'Konu' AND konu = '\"a b\",c'"), 1);
}

// A representative sees his own customers only; a customer user his own account.
TEST_F(Oturumlar, CustomerSearchShowsOnlyOnesOwnCustomers) {
  const auto murat = Cariler("CariAra", Parametreler(kMurat, ""));
  const auto ozan = Cariler("CariAra", Parametreler(kOzan, ""));
  EXPECT_EQ(static_cast<std::int64_t>(murat->RecordCount()),
            sunucu_.VeritabanindanSayi("SELECT count(*) FROM cari WHERE satici_no = 1"));
  for (std::int64_t carino : Numaralar(*murat)) EXPECT_EQ(carino % 2, 1);
  for (std::int64_t carino : Numaralar(*ozan)) EXPECT_EQ(carino % 2, 0);
  EXPECT_EQ(Numaralar(*Cariler("CariAra", Parametreler(kAhmet, ""))), std::set<std::int64_t>{1});
  EXPECT_EQ(Cariler("CariAra", Parametreler(Oturum(999, 0, 1), ""))->RecordCount(), 0u);
  EXPECT_EQ(Cariler("CariAra", Parametreler(Oturum(6, 4, 0), ""))->RecordCount(), 0u) << "inactive user";
}

TEST_F(Oturumlar, CustomerSearchMatchesEveryWord) {
  for (const char* metin : {"yildiz", "YILDIZ OTO", "yıldız oto", "ankara 120.01.1001"}) {
    EXPECT_EQ(Numaralar(*Cariler("CariAra", Parametreler(kMurat, metin))).count(1), 1u) << metin;
  }
  EXPECT_EQ(Cariler("CariAra", Parametreler(kMurat, "YILDIZ QQQ"))->RecordCount(), 0u);
  EXPECT_EQ(Cariler("CariAra", Parametreler(kOzan, "YILDIZ OTO YEDEK"))->RecordCount(), 0u) << "not his customer";
}

// The state buttons: 1 lists customers with basket lines, 2 to 7 those with orders in that
// state; the counters count the orders of one's own customers.
TEST_F(Oturumlar, StateButtonsListAndCount) {
  const auto sepetli = Cariler("CariSepetVer", Parametreler(kOzan, 1));
  ASSERT_GT(sepetli->RecordCount(), 0u);
  for (std::size_t i = 0; i < sepetli->RecordCount(); ++i) EXPECT_GT(sepetli->FieldByName("SEPET").LargeIntAt(i), 0);
  EXPECT_EQ(sunucu_.Cagir("SepetSayisi", Parametreler(kOzan)).Tamsayi(0),
            static_cast<std::int64_t>(sepetli->RecordCount()));

  const TTusSonuclari tuslar = sunucu_.Cagir("TusSonuclariVer", Parametreler(kOzan)).KayitAl<TTusSonuclari>(0);
  struct Tus {
    std::int32_t durum;
    const char* sutun;
    std::int32_t sayac;
  };
  const Tus tuslarin[] = {{2, "ALINDI", tuslar.Alindi()},
                          {3, "ONAYLANDI", tuslar.Onaylandi()},
                          {4, "GORULDU", tuslar.Goruldu()},
                          {5, "PARCALIHAZIRLANDI", tuslar.ParcaliHazirlandi()},
                          {6, "HAZIRLANDI", tuslar.Hazirlandi()}};
  for (const Tus& tus : tuslarin) {
    const auto liste = Cariler("CariSepetVer", Parametreler(kOzan, tus.durum));
    ASSERT_GT(liste->RecordCount(), 0u) << tus.sutun;
    std::int64_t toplam = 0;
    for (std::size_t i = 0; i < liste->RecordCount(); ++i) {
      EXPECT_EQ(liste->FieldByName("CARINO").LargeIntAt(i) % 2, 0);
      toplam += liste->FieldByName(tus.sutun).LargeIntAt(i);
    }
    EXPECT_EQ(toplam, tus.sayac) << tus.sutun;
  }
  EXPECT_EQ(tuslar.SevkEdildi(),
            sunucu_.VeritabanindanSayi(
                "SELECT count(*) FROM siparis o JOIN cari c USING (carino) WHERE o.durum = 7 AND c.satici_no = 2"));
  EXPECT_EQ(Cariler("CariSepetVer", Parametreler(kOzan, 99))->RecordCount(), 0u);
}

// The balance travels as its amount and the side it stands on.
TEST_F(Oturumlar, BalanceAndItsSide) {
  const auto tablo = Cariler("CariAra", Parametreler(kMurat, "120.01.1001"));
  const MemTable& liste = *tablo;
  ASSERT_EQ(liste.RecordCount(), 1u);
  const TMobilCariBilgisi kart =
      sunucu_.Cagir("MobilCariBilgisiGetir", Parametreler(0, "DEMO-AHMET")).KayitAl<TMobilCariBilgisi>(0);
  EXPECT_DOUBLE_EQ(liste.FieldByName("TLBAKIYE").FloatAt(0), std::abs(kart.TLBAKIYE()));
  EXPECT_EQ(liste.FieldByName("DURUM").StringAt(0), kart.TLBAKIYE() > 0 ? "B" : "A");
  EXPECT_EQ(liste.FieldByName("SATICISI").StringAt(0), "Murat Kaya");
  EXPECT_EQ(liste.FieldByName("INDIRIM").StringAt(0), "10+5");
}

}  // namespace
}  // namespace zorvat::test
