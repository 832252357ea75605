// The windows of the start-up and the login, with the demonstration server's data: the login
// window, the main window of a customer and of a sales representative, the customer
// selection with its counts, the password change request and the update download.
#include "account/cari_secim.h"
#include "app/ana_form.h"
#include "info/dosya_indir.h"
#include "session/giris_formu.h"
#include "session/kullanici_kayit.h"
#include "tools/screenshots/ana_pencere_sahnesi.h"
#include "tools/screenshots/demo_sunucusu.h"
#include "tools/screenshots/sahne.h"
#include "ui/ana_pencere.h"
#include "ui/cari_secim_penceresi.h"
#include "ui/dosya_indir_penceresi.h"
#include "ui/giris_penceresi.h"
#include "ui/sifre_istegi_penceresi.h"

namespace zorvat::ekran {
namespace {

// A demonstration computer: its disk reports the ID under which the server keeps a user.
class DemoMakinesi : public Makine {
 public:
  explicit DemoMakinesi(std::string kimlik) : kimlik_(std::move(kimlik)) {}
  std::string BilgisayarAdi() const override { return "MUHASEBE-PC"; }
  std::string KullaniciAdi() const override { return "ayse"; }
  std::string IcIp() const override { return "192.168.1.20"; }
  std::string DiskSeri() const override { return kimlik_; }
  void AdaptorleriSor(const std::function<bool(const AdaptorYaniti&)>&) const override {}

 private:
  std::string kimlik_;
};

IstemciOrtami DemoOrtami(const Makine& makine) {
  IstemciOrtami ortam;
  ortam.sunucuPortu = DemoBaglantisi().Port;
  ortam.makine = &makine;
  return ortam;
}

std::unique_ptr<QWidget> GirisSahnesi() {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& makine = sahne->Durum<DemoMakinesi>("DEMO-AHMET");
  auto& bagc = sahne->Durum<Connection>(DemoBaglantisi());
  auto& sbilgi = sahne->Durum<TSonucBilgisi>();
  auto& giris = sahne->Durum<Tgirisform>(bagc, sbilgi, DemoOrtami(makine));
  giris.adi.Type("AHMET");
  giris.sifre.Type("1234");
  auto* pencere = new GirisPenceresi(giris, sahne.get());
  return Sahnede(std::move(sahne), pencere, {368, 550});
}

}  // namespace

std::unique_ptr<QWidget> AnaPencereSahnesi(const std::string& kimlik, std::size_t cariSirasi, QSize boyut,
                                           const std::function<void(TForm1&)>& hazirla) {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& makine = sahne->Durum<DemoMakinesi>(kimlik);
  auto& form = sahne->Durum<TForm1>(DemoOrtami(makine));
  form.bagc.Params() = DemoBaglantisi();
  form.sbilgi.Kopyala(DemoKaydi(kimlik));
  if (SatisTemsilcisi(form.sbilgi.MusteriTipi())) {
    Tseccari seccari(form.bagc, form.sbilgi);
    seccari.sBitBtn2.Click();
    seccari.cxGrid1DBTableView1.SetFocusedRow(cariSirasi);
    seccari.CariSec();
  }
  form.KullaniciTuruneGoreAyarla();
  form.AnaBilgiAl();
  auto* pencere = new AnaPencere(form, sahne.get());
  auto sahnede = Sahnede(std::move(sahne), pencere, boyut);
  if (hazirla) hazirla(form);
  return sahnede;
}

namespace {

std::unique_ptr<QWidget> CariSecimSahnesi() {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& bag = sahne->Durum<Connection>(DemoBaglantisi());
  auto& sbilgi = sahne->Durum<TSonucBilgisi>(DemoKaydi("DEMO-MURAT"));
  auto& seccari = sahne->Durum<Tseccari>(bag, sbilgi);
  seccari.SepetSayisiYaz();
  seccari.TusSonuclari();
  auto* pencere = new CariSecimPenceresi(seccari, sahne.get());
  seccari.sBitBtn2.Click();
  return Sahnede(std::move(sahne), pencere, {1300, 700});
}

std::unique_ptr<QWidget> SifreIstegiSahnesi() {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& makine = sahne->Durum<DemoMakinesi>("DEMO-AHMET");
  auto& bag = sahne->Durum<Connection>(DemoBaglantisi());
  auto& istek = sahne->Durum<Tkullanicikayit>(DemoKaydi("DEMO-AHMET"), bag, makine);
  istek.yetkili.Type("AHMET YILDIZ");
  auto* pencere = new SifreIstegiPenceresi(istek, sahne.get());
  return Sahnede(std::move(sahne), pencere, {705, 514});
}

// Halfway through the download; the scene starts none.
std::unique_ptr<QWidget> DosyaIndirSahnesi() {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& indir = sahne->Durum<Tdosyaindir>(4, IndirmeAyari{});
  indir.basladi = true;
  indir.NetHTTPClient1ReceiveData(25800000, 10320000);
  auto* pencere = new DosyaIndirPenceresi(indir, sahne.get());
  return Sahnede(std::move(sahne), pencere, {543, 309});
}

const SahneKaydi kGiris("giris_penceresi", GirisSahnesi);
const SahneKaydi kMusteri("ana_pencere_musteri", [] { return AnaPencereSahnesi("DEMO-AHMET", 0, {1350, 652}); });
const SahneKaydi kTemsilci("ana_pencere_temsilci", [] { return AnaPencereSahnesi("DEMO-MURAT", 4, {1350, 652}); });
const SahneKaydi kCariSecimi("cari_secimi", CariSecimSahnesi);
const SahneKaydi kSifreIstegi("sifre_istegi", SifreIstegiSahnesi);
const SahneKaydi kDosyaIndir("dosya_indir", DosyaIndirSahnesi);

}  // namespace
}  // namespace zorvat::ekran
