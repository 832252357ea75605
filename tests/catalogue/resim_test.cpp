// Product pictures: the server's JPEG of a stock item through ResimVer5 against the reference
// server, its failures, and the picture kinds of a web answer's content type.
#include "catalogue/resim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// The demonstration data has a picture for every third stock item from the first on.
constexpr std::int32_t kResimli = 1;
constexpr std::int32_t kResimsiz = 2;
const std::string kOnceki = "önceki resim";

std::string Onaltilik(const std::string& baytlar) {
  static const char kRakam[] = "0123456789ABCDEF";
  std::string metin;
  for (unsigned char bayt : baytlar) {
    metin += kRakam[bayt >> 4];
    metin += kRakam[bayt & 15];
  }
  return metin;
}

class ResimYukleTest : public testing::Test {
 protected:
  ResimYukleTest() : bagc(f.Baglanti()) { Image1.SetBytes(kOnceki); }

  test::OturumFiksturu f;
  Connection bagc;
  PictureState Image1;
};

TEST_F(ResimYukleTest, TheServersJpegBecomesThePictureAndTheConnectionIsClosed) {
  ResimYukle(bagc, kResimli, Image1);
  ASSERT_GT(Image1.Bytes().size(), 100u);
  EXPECT_EQ(Onaltilik(Image1.Bytes()),
            f.Satirlar("SELECT hex(veri) FROM stok_resim WHERE stokno = " + std::to_string(kResimli)).at(0).at(0));
  EXPECT_FALSE(bagc.Connected());
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages, IsEmpty());
}

TEST_F(ResimYukleTest, NoPictureLeavesThePictureAsItWasWithoutAWord) {
  ResimYukle(bagc, kResimsiz, Image1);
  f.Sql("UPDATE stok_resim SET veri = X'' WHERE stokno = " + std::to_string(kResimli));
  ResimYukle(bagc, kResimli, Image1);
  EXPECT_EQ(Image1.Bytes(), kOnceki);
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages, IsEmpty());
  EXPECT_THAT(f.hizmetler.dialogs.shownDialogs, IsEmpty());
  EXPECT_FALSE(bagc.Connected());
}

TEST_F(ResimYukleTest, APngOrAServerErrorIsReportedByKindAndThePictureStays) {
  struct Ornek {
    const char* sql;
    const char* mesaj;
  } const ornekler[] = {
      {"UPDATE stok_resim SET veri = X'89504E470D0A1A0A0000000D49484452' WHERE stokno = 1",
       "EJPEG: Resim verisi geçerli bir JPEG değil"},
      {"DROP TABLE stok_resim", "ServerError: "},
  };
  for (const Ornek& ornek : ornekler) {
    SCOPED_TRACE(ornek.sql);
    f.hizmetler.dialogs.plainMessages.clear();
    f.Sql(ornek.sql);
    ResimYukle(bagc, kResimli, Image1);
    EXPECT_THAT(f.hizmetler.dialogs.plainMessages, ElementsAre(testing::StartsWith(ornek.mesaj)));
    EXPECT_EQ(Image1.Bytes(), kOnceki);
    EXPECT_FALSE(bagc.Connected());
  }
  EXPECT_THAT(f.hizmetler.dialogs.plainMessages, ElementsAre(testing::HasSubstr("stok_resim")));
}

TEST_F(ResimYukleTest, AServerThatCannotBeReachedShowsTheConnectionTestsMessage) {
  ConnectionParams kapali = f.Baglanti();
  kapali.Port = std::to_string(test::FreePort());
  Connection yok(kapali);
  ResimYukle(yok, kResimli, Image1);
  EXPECT_EQ(Image1.Bytes(), kOnceki);
  ASSERT_EQ(f.hizmetler.dialogs.shownDialogs.size(), 1u);
  EXPECT_EQ(f.hizmetler.dialogs.shownDialogs[0].metin, kBaglantiKurulamiyor);
  for (const std::string& mesaj : f.hizmetler.dialogs.plainMessages) {
    EXPECT_THAT(mesaj, testing::Not(testing::StartsWith("TransportError")));
  }
}

TEST(ResimTuruBul, PicksTheKindByTheContentType) {
  struct Ornek {
    const char* tur;
    ResimTuru beklenen;
  } const ornekler[] = {
      {"image/jpeg", ResimTuru::Jpeg},
      {"image/jpg", ResimTuru::Jpeg},
      {"IMAGE/JPEG", ResimTuru::Jpeg},
      {"image/png", ResimTuru::Png},
      {"image/bmp", ResimTuru::Bmp},
      {"image/png; charset=binary", ResimTuru::Png},
      {" image/jpeg ", ResimTuru::Jpeg},
      {"image/gif", ResimTuru::Yok},
      {"image/webp", ResimTuru::Yok},
      {"image/", ResimTuru::Yok},
      {"", ResimTuru::Yok},
      {"text/html; charset=utf-8", ResimTuru::Yok},
      {"video/png", ResimTuru::Yok},  // six characters that are not "image/"
      {"image/pngx", ResimTuru::Yok},
  };
  for (const Ornek& ornek : ornekler) {
    EXPECT_EQ(ResimTuruBul(ornek.tur), ornek.beklenen) << ornek.tur;
  }
}

}  // namespace
}  // namespace zorvat
