// Sixteen clients change baskets and send orders at once, on accounts of their own and on
// one shared account. Afterwards every line that was added is in exactly one place (still
// in the basket, in one order, or deleted), each own-account order holds exactly the lines
// its client had ticked, and the database is intact.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "server_fixture.h"

namespace zorvat::test {
namespace {

constexpr int kIstemciSayisi = 16;
constexpr int kTur = 24;
// Threads 0-7 each work on an odd account of their own; threads 8-15 share account 17.
// The odd accounts belong to representative MURAT (user 1, kind 1).
constexpr std::int32_t kOrtakCari = 17;

std::int32_t CariOf(int istemci) { return istemci < 8 ? 2 * istemci + 1 : kOrtakCari; }

// What one client did, by the quantities that mark its lines.
struct Gunluk {
  std::vector<std::int64_t> eklenen;  // basket line numbers
  std::vector<std::int64_t> silinen;
  std::vector<std::string> hatalar;
};

class Eszamanli : public testing::Test {
 protected:
  // One client's session: add, change, tick or untick, now and then delete or send.
  void Calis(int istemci, Gunluk& gunluk) {
    const auto http = sunucu_.YeniIstemci();
    const std::int32_t carino = CariOf(istemci);
    const TSonucBilgisi oturum = Oturum(1, carino, 1);
    const auto cagir = [&](std::string_view metot, const std::string& govde) {
      return SunucuFiksturu::Cagir(*http, metot, govde);
    };
    const auto beklenmeyen = [&](const std::string& ne) { gunluk.hatalar.push_back(std::to_string(istemci) + ": " + ne); };
    const bool paylasilmiyor = carino != kOrtakCari;
    std::set<std::int64_t> isaretli;  // this client's lines it left ticked
    for (int tur = 0; tur < kTur; ++tur) {
      // A quantity no other line has: it finds the new line's number.
      const double miktar = istemci * 1000 + tur + 501;
      const Sonuc eklendi = cagir("SepetEkle2", Parametreler(oturum, carino, stokno_, "B", "A", miktar, 20.0, 10.0, 0.0,
                                                             1, 0, 0.0, 0.0, 0.0));
      if (eklendi.Durum() != 200 || eklendi.Tamsayi(0) != 1) {
        beklenmeyen("SepetEkle2 " + eklendi.Govde());
        continue;
      }
      // On the shared account another client's order may already have taken the line.
      const std::int64_t satir = sunucu_.VeritabanindanSayi(
          "SELECT sirano FROM sepet WHERE carino = " + std::to_string(carino) + " AND miktar = " +
          std::to_string(miktar) + " UNION SELECT s.sepet_sirano FROM siparis_satir s JOIN siparis o USING (idno) " +
          "WHERE o.carino = " + std::to_string(carino) + " AND s.miktar = " + std::to_string(miktar));
      gunluk.eklenen.push_back(satir);
      isaretli.insert(satir);  // a new line starts ticked
      const std::int32_t no = static_cast<std::int32_t>(satir);
      if (tur % 3 == 0) {
        const Sonuc degisti = cagir("SepetGuncelle2", Parametreler(oturum, carino, 0, "B", "A", miktar + 0.5, 20.0, 11.0,
                                                                   0.0, 1, no, 0.0, 0.0, 0.0));
        if (degisti.Durum() != 200 || (paylasilmiyor && degisti.Tamsayi(0) != 1)) {
          beklenmeyen("SepetGuncelle2 " + degisti.Govde());
        }
      }
      if (tur % 4 == 1) {
        cagir("SepetSecimGuncelle", Parametreler(no, 0));
        isaretli.erase(satir);
      }
      if (tur % 5 == 2) {
        const Sonuc silindi = cagir("SepetSatirSil", Parametreler(oturum, no, "B-A"));
        if (silindi.Durum() != 200) beklenmeyen("SepetSatirSil " + silindi.Govde());
        // Unless another client's order took it first, the line is gone now.
        if (sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis_satir WHERE sepet_sirano = " + std::to_string(satir)) == 0) {
          gunluk.silinen.push_back(satir);
        }
        isaretli.erase(satir);
      }
      if (tur % 7 == 6) {
        const Sonuc gonderildi = cagir("SiparisKaydet", Parametreler(oturum, carino, 2, 1, "", 1, 2));
        if (gonderildi.Durum() != 200) {
          beklenmeyen("SiparisKaydet " + gonderildi.Govde());
        } else if (paylasilmiyor) {
          SiparisiDenetle(carino, isaretli, gonderildi.Mantiksal(0), gunluk);
          isaretli.clear();
        }
      }
    }
  }

  // On an account of its own a client knows what it ticked: the order holds exactly that.
  void SiparisiDenetle(std::int32_t carino, const std::set<std::int64_t>& isaretli, bool gonderildi, Gunluk& gunluk) {
    if (gonderildi != !isaretli.empty()) {
      gunluk.hatalar.push_back("cari " + std::to_string(carino) + ": SiparisKaydet " + (gonderildi ? "true" : "false") +
                               " ile " + std::to_string(isaretli.size()) + " işaretli satır");
      return;
    }
    if (!gonderildi) return;
    const std::string siparis = "(SELECT max(idno) FROM siparis WHERE carino = " + std::to_string(carino) + ")";
    std::string liste;
    for (std::int64_t satir : isaretli) liste += (liste.empty() ? "" : ",") + std::to_string(satir);
    const std::int64_t hepsi = sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis_satir WHERE idno = " + siparis);
    const std::int64_t bekleneni =
        sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis_satir WHERE idno = " + siparis +
                                   " AND sepet_sirano IN (" + liste + ")");
    if (hepsi != static_cast<std::int64_t>(isaretli.size()) || bekleneni != hepsi) {
      gunluk.hatalar.push_back("cari " + std::to_string(carino) + ": sipariş " + std::to_string(hepsi) + " satır, " +
                               std::to_string(isaretli.size()) + " işaretliydi");
    }
  }

  SunucuFiksturu sunucu_;
  const std::int64_t stokno_ =
      sunucu_.VeritabanindanSayi("SELECT stokno FROM stok WHERE kampanya = 0 ORDER BY stokno LIMIT 1");
};

TEST_F(Eszamanli, EveryLineEndsInExactlyOnePlace) {
  // The demonstration baskets start empty here, so that an order holds only this test's lines.
  for (int i = 0; i < kIstemciSayisi; ++i) {
    ASSERT_EQ(sunucu_.Cagir("SepetHepsiniSil", Parametreler(Oturum(1, CariOf(i), 1))).Durum(), 200);
  }
  std::vector<Gunluk> gunlukler(kIstemciSayisi);
  std::vector<std::thread> istemciler;
  for (int i = 0; i < kIstemciSayisi; ++i) {
    istemciler.emplace_back([&, i] {
      try {
        Calis(i, gunlukler[i]);
      } catch (const std::exception& hata) {
        gunlukler[i].hatalar.push_back(std::to_string(i) + ": " + hata.what());
      }
    });
  }
  for (std::thread& istemci : istemciler) istemci.join();

  for (const Gunluk& gunluk : gunlukler) {
    for (const std::string& hata : gunluk.hatalar) ADD_FAILURE() << hata;
    EXPECT_EQ(gunluk.eklenen.size(), static_cast<std::size_t>(kTur));
    for (std::int64_t satir : gunluk.eklenen) {
      const bool silindi = std::find(gunluk.silinen.begin(), gunluk.silinen.end(), satir) != gunluk.silinen.end();
      const std::string no = std::to_string(satir);
      const std::int64_t sepette = sunucu_.VeritabanindanSayi("SELECT count(*) FROM sepet WHERE sirano = " + no);
      const std::int64_t sipariste =
          sunucu_.VeritabanindanSayi("SELECT count(*) FROM siparis_satir WHERE sepet_sirano = " + no);
      EXPECT_EQ(sepette + sipariste, silindi ? 0 : 1) << "satır " << no << ": sepette " << sepette << ", siparişte "
                                                       << sipariste << (silindi ? ", silinmişti" : "");
    }
  }
  server::Database db(sunucu_.VeritabaniYolu());
  server::Statement& butunluk = db.Prepare("PRAGMA integrity_check");
  ASSERT_TRUE(butunluk.Step());
  EXPECT_EQ(butunluk.Text(0), "ok");
  butunluk.Reset();
  server::Statement& anahtarlar = db.Prepare("PRAGMA foreign_key_check");
  EXPECT_FALSE(anahtarlar.Step());
  anahtarlar.Reset();
}

}  // namespace
}  // namespace zorvat::test
