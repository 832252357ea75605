// The pages from search to order with the demonstration server's data: the stock list of a
// search on a wide and on a narrow window, and the basket with its totals and warning.
#include "app/ana_form.h"
#include "tools/screenshots/ana_pencere_sahnesi.h"
#include "tools/screenshots/sahne.h"

namespace zorvat::ekran {
namespace {

void FrenAra(TForm1& form) { form.araedit.Type("FREN\r"); }

void SepetiGoster(TForm1& form) { form.sPageControl1.SetActivePage("ssepet"); }

const SahneKaydi kGenis("stok_listesi_genis", [] { return AnaPencereSahnesi("DEMO-AHMET", 0, {1350, 652}, FrenAra); });
const SahneKaydi kDar("stok_listesi_dar", [] { return AnaPencereSahnesi("DEMO-AHMET", 0, {1100, 652}, FrenAra); });
const SahneKaydi kSepet("sepet", [] { return AnaPencereSahnesi("DEMO-AHMET", 0, {1350, 652}, SepetiGoster); });

}  // namespace
}  // namespace zorvat::ekran
