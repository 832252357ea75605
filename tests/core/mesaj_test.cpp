#include "net/mesaj.h"

#include <gtest/gtest.h>

#include <atomic>

#include "net/await.h"
#include "support/scripted_services.h"

namespace zorvat {
namespace {

std::vector<std::string> Captions(const MesajPenceresi& pencere) {
  std::vector<std::string> captions;
  for (const MesajDugmesi& dugme : pencere.dugmeler) captions.push_back(dugme.baslik);
  return captions;
}

TEST(MesajPenceresiTest, QuestionWithYesAndNoTabFirstNo) {
  const MesajPenceresi p = MesajPenceresiHazirla("Silinsin mi?", kSoru, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::No);
  EXPECT_EQ(p.baslik, "Soru");
  EXPECT_EQ(p.ses, MesajSesi::Soru);
  EXPECT_EQ(Captions(p), (std::vector<std::string>{"Evet", "Hayır"}));
  EXPECT_EQ(p.dugmeler[0].sonuc, mrYes);
  EXPECT_EQ(p.dugmeler[1].sonuc, mrNo);
  EXPECT_EQ(p.sekmeSirasi, (std::vector<MsgDlgBtn>{MsgDlgBtn::No, MsgDlgBtn::Yes}));
  EXPECT_EQ(p.odak, MsgDlgBtn::Yes);
  EXPECT_EQ(p.escapeSonucu, mrNo);
  EXPECT_EQ(p.kapatmaSonucu, mrCancel);
}

TEST(MesajPenceresiTest, CaptionsAndSoundsByKind) {
  struct Case {
    int tur;
    const char* baslik;
    MesajSesi ses;
  };
  for (const Case& c : {Case{kUyari, "Uyarı", MesajSesi::Unlem}, Case{kHata, "Hata", MesajSesi::Hata},
                        Case{kBilgi, "Bilgi", MesajSesi::Bilgi}, Case{kSoru, "Soru", MesajSesi::Soru}}) {
    const MesajPenceresi p = MesajPenceresiHazirla("x", c.tur, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    EXPECT_EQ(p.baslik, c.baslik);
    EXPECT_EQ(p.ses, c.ses);
    EXPECT_EQ(Captions(p), std::vector<std::string>{"Tamam"});
    EXPECT_EQ(p.dugmeler[0].sonuc, mrOk);
    EXPECT_EQ(p.odak, MsgDlgBtn::OK);
    EXPECT_EQ(p.escapeSonucu, mrOk);
  }
}

TEST(MesajPenceresiTest, EveryButtonHasItsTurkishCaption) {
  const MesajPenceresi p = MesajPenceresiHazirla(
      "x", kUyari,
      {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::OK, MsgDlgBtn::Cancel, MsgDlgBtn::Abort, MsgDlgBtn::Retry,
       MsgDlgBtn::Ignore, MsgDlgBtn::YesToAll, MsgDlgBtn::NoToAll, MsgDlgBtn::Help},
      MsgDlgBtn::Help);
  EXPECT_EQ(Captions(p), (std::vector<std::string>{"Evet", "Hayır", "Tamam", "Vazgeç", "İptal", "Tekrar",
                                                   "Atla", "Tümüne Hayır", "Tümüne Evet", "Yardım"}));
  EXPECT_EQ(p.sekmeSirasi.front(), MsgDlgBtn::Help);
  EXPECT_EQ(p.odak, MsgDlgBtn::OK);
  EXPECT_EQ(p.escapeSonucu, mrCancel);
}

TEST(MesajPenceresiTest, FocusFallsToRetryWithoutOkAndYes) {
  const MesajPenceresi p = MesajPenceresiHazirla("x", kHata, {MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Ignore},
                                                 MsgDlgBtn::Abort);
  EXPECT_EQ(p.odak, MsgDlgBtn::Retry);
  EXPECT_EQ(p.escapeSonucu, mrCancel);
}

TEST(MesajGosterTest, FromAWorkerItRunsOnTheUserInterfaceThreadAndAnswers) {
  test::ScriptedServices services;
  services.dialogs.answers = {mrNo};
  std::atomic<bool> done = false;
  int answer = 0;
  Async([&] { answer = MesajGoster("Emin misiniz?", kSoru, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::No); })
      ->Await([&] { done = true; });
  ASSERT_TRUE(services.dispatcher.ProcessUiEventsUntil([&] { return done.load(); }));
  EXPECT_EQ(answer, mrNo);
  ASSERT_EQ(services.dialogs.threads.size(), 1u);
  EXPECT_EQ(services.dialogs.threads.front(), std::this_thread::get_id());
  EXPECT_EQ(services.dialogs.shownDialogs.front().metin, "Emin misiniz?");
}

}  // namespace
}  // namespace zorvat
