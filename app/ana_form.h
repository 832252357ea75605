// The main window "Zorvat Oto B2B Programı": its start-up (session, login, frame by kind of
// user, the start-up batch), the fixed frame around the pages (header, search bar, page
// control, general menu) and the exit question. The pages' contents come with their own
// windows' logic.
#pragma once

#include <functional>
#include <vector>

#include "basket/sepet.h"
#include "catalogue/stok_listesi.h"
#include "net/connection.h"
#include "remote/memtable.h"
#include "session/istemci_ortami.h"
#include "session/sonuc_bilgisi.h"
#include "ui/state/controls.h"
#include "ui/state/grid_view.h"

namespace zorvat {

// The application's title, on the taskbar and on the plain message box.
inline constexpr const char* kUygulamaBasligi = "Zorvat Oto B2B";

class TForm1 : public FormState {
 public:
  explicit TForm1(IstemciOrtami ortam);

  // Start-up: the machine's identity, the login (whose failure ends the process), the frame
  // by kind of user, then the start-up batch in the background. Returns once logged in.
  void FormCreate();
  // The login window; then the settings by kind. False when the process was ended.
  bool GirisYap();
  // Columns, pages and menu items by the user's kind; each rule on its own.
  void KullaniciTuruneGoreAyarla();
  // The header's user, customer and sales representative lines from the session; safe on a
  // worker, which hands the work to the user-interface thread and waits.
  void AnaBilgiAl();
  // Completion of the start-up batch, on the user-interface thread.
  void AcilisReklamGoster();
  // The exit question: Yes ends the process at once; any other answer refuses the close.
  bool FormCloseQuery();

  void G1Click();
  void N4Click();
  void musteritusClick();

  // Steps of the start-up batch, run in order on one worker. The steps of the scrolling
  // text, the banners, the advertisement count and the page counters join with their pages.
  std::vector<std::function<void()>> baslangicAdimlari;

  Connection bagc;
  TSonucBilgisi sbilgi;
  int _acilisadet = 0;

  // Header.
  LabelState kullanicilbl;
  LabelState cariadilbl;
  LabelState saticilbl;
  PopupMenuState Genelmenu;
  // Search bar.
  EditState araedit;
  ButtonState SpeedButton2;
  ButtonState SpeedButton1;
  ButtonState musteritus;
  BusyAnimationState gifstokara;
  BusyAnimationState gifyeniler;
  BusyAnimationState gifkampanyali;
  BusyAnimationState gifduyuru;
  BusyAnimationState gifoncekiler;
  BusyAnimationState gifsepet;
  BusyAnimationState gifekstre;
  // Pages and the lists whose columns depend on the kind of user.
  PageControlState sPageControl1;
  StokListesi stokListesi{{bagc, sbilgi, araedit, gifstokara, sPageControl1}};
  Sepet sepetSayfasi{{bagc, sbilgi, araedit, gifsepet, sPageControl1}};
  GridView cxGridDBTableView5{"cxGridDBTableView5"};
  GridView cxGridDBTableViewkampanyali{"cxGridDBTableViewkampanyali"};

 private:
  void MenuyuKur();
  void SayfalariKur();
  void AramaCubugunuKur();
  void TasarimSutunlariniKur();
  void BaslangicToplusunuBaslat();
  // "Başka Cari Seç": the customer selection, then the header, the basket and an empty
  // stock list for the new customer.
  void CariSecimAc();
  void SifreIstegiAc();

  IstemciOrtami ortam_;
};

}  // namespace zorvat
