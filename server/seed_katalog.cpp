// The demonstration catalogue: parts of ten groups for the models of invented vehicle
// brands, each from several invented producers, with codes, OEM numbers, prices with
// kuruş, stock states and pictures for part of it.
#include <array>
#include <string>
#include <string_view>

#include "net/bicim.h"
#include "server/arama_metni.h"
#include "server/demo_dosyalari.h"
#include "server/seed_ortak.h"

namespace zorvat::server::demo {

namespace {

struct ParcaTuru {
  std::string_view adi;
  std::string_view digerAdi;
  std::string_view grup;
  std::string_view grupKodu;
  double enDusuk;
  double enYuksek;
  std::string_view resim;
  std::string_view birim = "ADET";
};

constexpr ParcaTuru kParcalar[] = {
    {"ÖN FREN BALATASI", "ÖN DİSK BALATA", "FREN SİSTEMİ", "FRN", 350, 900, "parca_fren.jpg", "TAKIM"},
    {"ARKA FREN BALATASI", "ARKA DİSK BALATA", "FREN SİSTEMİ", "FRN", 300, 750, "parca_fren.jpg", "TAKIM"},
    {"ÖN FREN DİSKİ", "ÖN DİSK", "FREN SİSTEMİ", "FRN", 600, 1800, "parca_fren.jpg"},
    {"ARKA FREN DİSKİ", "ARKA DİSK", "FREN SİSTEMİ", "FRN", 500, 1500, "parca_fren.jpg"},
    {"ARKA FREN PABUCU", "KAMPANA BALATASI", "FREN SİSTEMİ", "FRN", 280, 650, "parca_fren.jpg", "TAKIM"},
    {"FREN ANA MERKEZİ", "ANA MERKEZ", "FREN SİSTEMİ", "FRN", 900, 2600, "parca_fren.jpg"},
    {"FREN HORTUMU", "ESNEK FREN BORUSU", "FREN SİSTEMİ", "FRN", 90, 260, "parca_fren.jpg"},
    {"FREN KALİPERİ", "KALİPER", "FREN SİSTEMİ", "FRN", 1200, 3800, "parca_fren.jpg"},
    {"YAĞ FİLTRESİ", "MOTOR YAĞ FİLTRESİ", "FİLTRE", "FLT", 80, 320, "parca_filtre.jpg"},
    {"HAVA FİLTRESİ", "MOTOR HAVA FİLTRESİ", "FİLTRE", "FLT", 110, 420, "parca_filtre.jpg"},
    {"POLEN FİLTRESİ", "KABİN FİLTRESİ", "FİLTRE", "FLT", 90, 300, "parca_filtre.jpg"},
    {"YAKIT FİLTRESİ", "MAZOT FİLTRESİ", "FİLTRE", "FLT", 140, 650, "parca_filtre.jpg"},
    {"DEBRİYAJ SETİ", "KAVRAMA SETİ", "DEBRİYAJ", "DBR", 2800, 7800, "parca_debriyaj.jpg", "TAKIM"},
    {"DEBRİYAJ BASKI BALATASI", "BASKI", "DEBRİYAJ", "DBR", 1500, 4200, "parca_debriyaj.jpg"},
    {"DEBRİYAJ RULMANI", "BASKI RULMANI", "DEBRİYAJ", "DBR", 450, 1300, "parca_debriyaj.jpg"},
    {"VOLANT", "ÇİFT KÜTLELİ VOLANT", "DEBRİYAJ", "DBR", 6500, 16000, "parca_debriyaj.jpg"},
    {"ÖN AMORTİSÖR", "ÖN TAMPON", "SÜSPANSİYON", "SUS", 900, 2600, "parca_suspansiyon.jpg"},
    {"ARKA AMORTİSÖR", "ARKA TAMPON", "SÜSPANSİYON", "SUS", 700, 2100, "parca_suspansiyon.jpg"},
    {"HELEZON YAY", "SÜSPANSİYON YAYI", "SÜSPANSİYON", "SUS", 500, 1400, "parca_suspansiyon.jpg"},
    {"ROTİL", "ALT ROTİL", "SÜSPANSİYON", "SUS", 200, 600, "parca_suspansiyon.jpg"},
    {"ROT BAŞI", "ROT UCU", "SÜSPANSİYON", "SUS", 180, 520, "parca_suspansiyon.jpg"},
    {"SALINCAK", "ALT TABLA", "SÜSPANSİYON", "SUS", 700, 2200, "parca_suspansiyon.jpg"},
    {"Z ROT", "VİRAJ DEMİRİ ROTU", "SÜSPANSİYON", "SUS", 150, 450, "parca_suspansiyon.jpg"},
    {"AMORTİSÖR TAKOZU", "KULE TAKOZU", "SÜSPANSİYON", "SUS", 250, 750, "parca_suspansiyon.jpg"},
    {"SİLİNDİR KAPAK CONTASI", "KAPAK CONTASI", "MOTOR", "MTR", 350, 1200, "parca_motor.jpg"},
    {"MOTOR TAKOZU", "MOTOR KULAĞI", "MOTOR", "MTR", 400, 1300, "parca_motor.jpg"},
    {"YAĞ POMPASI", "MOTOR YAĞ POMPASI", "MOTOR", "MTR", 1400, 3800, "parca_motor.jpg"},
    {"PİSTON SEGMAN TAKIMI", "SEGMAN SETİ", "MOTOR", "MTR", 1800, 5200, "parca_motor.jpg", "TAKIM"},
    {"TRİGER SETİ", "EKSANTRİK KAYIŞ SETİ", "KAYIŞ VE ZİNCİR", "KYS", 1500, 4800, "parca_kayis.jpg", "TAKIM"},
    {"V KAYIŞI", "ALTERNATÖR KAYIŞI", "KAYIŞ VE ZİNCİR", "KYS", 120, 420, "parca_kayis.jpg"},
    {"GERGİ RULMANI", "KAYIŞ GERGİSİ", "KAYIŞ VE ZİNCİR", "KYS", 300, 950, "parca_kayis.jpg"},
    {"DEVİRDAİM POMPASI", "SU POMPASI", "SOĞUTMA", "SGT", 700, 2200, "parca_sogutma.jpg"},
    {"MOTOR SU RADYATÖRÜ", "RADYATÖR", "SOĞUTMA", "SGT", 1800, 5200, "parca_sogutma.jpg"},
    {"TERMOSTAT", "TERMOSTAT VANASI", "SOĞUTMA", "SGT", 180, 600, "parca_sogutma.jpg"},
    {"FAN MOTORU", "RADYATÖR FANI", "SOĞUTMA", "SGT", 1200, 3600, "parca_sogutma.jpg"},
    {"RADYATÖR ALT HORTUMU", "SU HORTUMU", "SOĞUTMA", "SGT", 120, 380, "parca_sogutma.jpg"},
    {"BUJİ", "ATEŞLEME BUJİSİ", "ATEŞLEME VE ELEKTRİK", "ELK", 70, 260, "parca_atesleme.jpg"},
    {"ATEŞLEME BOBİNİ", "BOBİN", "ATEŞLEME VE ELEKTRİK", "ELK", 600, 1800, "parca_atesleme.jpg"},
    {"ŞARJ DİNAMOSU", "ALTERNATÖR", "ATEŞLEME VE ELEKTRİK", "ELK", 3500, 9500, "parca_atesleme.jpg"},
    {"MARŞ MOTORU", "STARTER", "ATEŞLEME VE ELEKTRİK", "ELK", 3000, 8500, "parca_atesleme.jpg"},
    {"ABS SENSÖRÜ", "TEKER HIZ SENSÖRÜ", "ATEŞLEME VE ELEKTRİK", "ELK", 350, 1100, "parca_atesleme.jpg"},
    {"OKSİJEN SENSÖRÜ", "LAMBDA SONDASI", "ATEŞLEME VE ELEKTRİK", "ELK", 900, 2800, "parca_atesleme.jpg"},
    {"SOL ÖN FAR", "FAR LAMBASI SOL", "AYDINLATMA", "AYD", 1800, 6500, "parca_aydinlatma.jpg"},
    {"SAĞ ÖN FAR", "FAR LAMBASI SAĞ", "AYDINLATMA", "AYD", 1800, 6500, "parca_aydinlatma.jpg"},
    {"SOL STOP LAMBASI", "ARKA STOP SOL", "AYDINLATMA", "AYD", 700, 2400, "parca_aydinlatma.jpg"},
    {"SİS FARI", "ÖN SİS LAMBASI", "AYDINLATMA", "AYD", 450, 1500, "parca_aydinlatma.jpg"},
    {"EGZOZ SUSTURUCUSU", "ARKA SUSTURUCU", "EGZOZ", "EGZ", 900, 2800, "parca_egzoz.jpg"},
    {"KATALİTİK KONVERTÖR", "KATALİZÖR", "EGZOZ", "EGZ", 4500, 12500, "parca_egzoz.jpg"},
    {"AKS KÖRÜĞÜ", "AKS TOZLUĞU", "ŞANZIMAN VE AKS", "SNZ", 150, 420, "parca_debriyaj.jpg", "TAKIM"},
    {"ŞANZIMAN TAKOZU", "VİTES KUTUSU TAKOZU", "ŞANZIMAN VE AKS", "SNZ", 350, 1100, "parca_debriyaj.jpg"},
};

// How a brand writes its OEM numbers: 'N' a digit, 'X' a capital letter, other
// characters as they are.
struct AracMarkasi {
  std::string_view adi;
  std::string_view oemBicimi;
  std::array<std::string_view, 4> modeller;
};

constexpr AracMarkasi kMarkalar[] = {
    {"TOVARA", "NNNNN-NNNNN", {"KORA", "AVENZA", "YARİSA", "HİLANDER"}},
    {"RENOVA", "77NNNNNNNN", {"KLİYO", "MEGANA", "FLUENSA", "KANGA"}},
    {"FİYANA", "5NNNNNNN", {"MİRA", "DORA", "TİPA", "ALVA"}},
    {"HONDERA", "NNNNN-XXX-XNN", {"SİVA", "JAZA", "AKORA", "SİTİ"}},
    {"OPELİKS", "NN NN NNN", {"ASTERA", "KORSA", "VEKTRA", "MOKA"}},
    {"PEYOTA", "NNNN.NN", {"P208", "P308", "PARTNA", "RİFTA"}},
    {"VOLKANO", "NXN NNN NNN X", {"POLA", "GOLFA", "PASATA", "KADİ"}},
    {"HYUNSA", "NNNNN-XXNNN", {"ACENTA", "İ20X", "TUSKA", "ELANTRO"}},
    {"KİORA", "NNNNN-XXNNN", {"RİOS", "SEDO", "SPORTA", "PİKANO"}},
    {"FORDEX", "XXNX-NNNNN-XX", {"FOKUS", "FİESTO", "KONEKT", "MONDO"}},
};

struct Motor {
  std::string_view adi;
  int ilkYil;
  int sonYil;
};

constexpr Motor kMotorlar[] = {{"1.4", 2012, 2018}, {"1.6 DİZEL", 2015, 2022}};

struct Uretici {
  std::string_view adi;
  std::string_view kodu;
  double fiyatCarpani;
};

constexpr Uretici kUreticiler[] = {
    {"ATLASPRO", "ATP", 1.00}, {"FERROKS", "FRX", 0.92}, {"VİRAJ", "VRJ", 1.08}, {"OKSAN", "OKS", 0.85},
    {"DEMİRTAŞ", "DMT", 1.15}, {"BORAN", "BRN", 0.95},   {"MİLYA", "MLY", 1.20}, {"ZEFİR", "ZFR", 0.88},
    {"NOVAPART", "NVP", 1.05}, {"KARTAL", "KRT", 0.98},
};

constexpr std::string_view kNitelikler[] = {"",         "AĞIR HİZMET", "SERAMİK",      "UZUN ÖMÜRLÜ",    "SPOR",
                                            "EKONOMİK", "PREMİUM",     "ORİJİNAL TİP", "GÜÇLENDİRİLMİŞ", "SESSİZ"};

constexpr int kAracSayisi = static_cast<int>(std::size(kMarkalar) * 4 * std::size(kMotorlar));

// A fixed sequence of digits and letters for a code, the same whatever else is generated.
class KodUretici {
 public:
  explicit KodUretici(std::uint64_t tohum) : rastgele_(tohum * 0x2545F4914F6CDD1DULL + 17) {}

  std::string Bicimle(std::string_view bicim) {
    std::string kod;
    for (char c : bicim) {
      if (c == 'N') {
        kod.push_back(static_cast<char>('0' + rastgele_.Aralik(0, 9)));
      } else if (c == 'X') {
        kod.push_back(static_cast<char>('A' + rastgele_.Aralik(0, 25)));
      } else {
        kod.push_back(c);
      }
    }
    return kod;
  }

 private:
  Rastgele rastgele_;
};

// An EAN-13 number with the dealer's country prefix and its check digit.
std::string Ean13(int sira) {
  std::string rakamlar = "869" + std::to_string(100000000 + sira).substr(0, 9);
  int toplam = 0;
  for (std::size_t i = 0; i < rakamlar.size(); ++i) toplam += (rakamlar[i] - '0') * (i % 2 == 0 ? 1 : 3);
  rakamlar.push_back(static_cast<char>('0' + (10 - toplam % 10) % 10));
  return rakamlar;
}

std::string Doldur(int sayi, int basamak) {
  std::string metin = std::to_string(sayi);
  return std::string(static_cast<std::size_t>(std::max(0, basamak - static_cast<int>(metin.size()))), '0') + metin;
}

// The code without its blanks, dashes, dots and slashes, as users often type it.
std::string Yalin(std::string_view kod) {
  std::string yalin;
  for (char c : kod) {
    if (c != ' ' && c != '-' && c != '.' && c != '/') yalin.push_back(c);
  }
  return yalin;
}

struct StokKarti {
  std::string barkod, barkodno, finishkod, ureticikodu, oem[4], dpkod, pkod, adi, digeradi, birim, marka, model,
      anagrup, ozelkod;
  double listeFiyat = 0, kampFiyat = 0;
  bool yeni = false, kampanya = false;
  int durum = 1;
  std::string depo2;
  double kalan = 0, verilenSiparis = 0;
  std::string_view resim;
};

// The folded text the search matches: codes (also without separators), OEM numbers,
// names, brand, model and producer, one per line so no word spans two of them.
std::string AramaMetniOlustur(const StokKarti& kart) {
  std::string metin;
  const auto ekle = [&metin](std::string_view parca) {
    if (parca.empty()) return;
    if (!metin.empty()) metin.push_back('\n');
    metin += parca;
  };
  for (const std::string* kod :
       {&kart.barkod, &kart.oem[0], &kart.oem[1], &kart.oem[2], &kart.oem[3], &kart.finishkod, &kart.ureticikodu}) {
    ekle(*kod);
    if (const std::string yalin = Yalin(*kod); yalin != *kod) ekle(yalin);
  }
  for (const std::string* ad : {&kart.adi, &kart.digeradi, &kart.marka, &kart.model, &kart.ozelkod}) ekle(*ad);
  return AramaMetni(metin);
}

int Durum(Rastgele& rastgele) {
  const double r = rastgele.Oran();
  if (r < 0.60) return 1;
  if (r < 0.72) return 0;
  if (r < 0.78) return 2;
  if (r < 0.88) return 3;
  if (r < 0.94) return 4;
  return 5;
}

StokKarti KartOlustur(int i, int stokSayisi, Rastgele& rastgele) {
  constexpr int kTurSayisi = static_cast<int>(std::size(kParcalar));
  const int turNo = i % kTurSayisi;
  const int aracNo = (i / kTurSayisi) % kAracSayisi;
  const int tur2 = i / (kTurSayisi * kAracSayisi);
  const int ureticiNo = (tur2 + aracNo + turNo) % static_cast<int>(std::size(kUreticiler));
  const int nitelikNo = (tur2 / static_cast<int>(std::size(kUreticiler))) % static_cast<int>(std::size(kNitelikler));

  const ParcaTuru& parca = kParcalar[turNo];
  const AracMarkasi& marka = kMarkalar[aracNo / 8];
  const Motor& motor = kMotorlar[aracNo % 2];
  const Uretici& uretici = kUreticiler[ureticiNo];

  StokKarti kart;
  kart.barkod = std::string(parca.grupKodu) + "-" + Doldur(100000 + i, 6);
  kart.barkodno = Ean13(i);
  kart.adi = std::string(parca.adi) + (kNitelikler[nitelikNo].empty() ? "" : " ") + std::string(kNitelikler[nitelikNo]);
  kart.digeradi = parca.digerAdi;
  kart.birim = parca.birim;
  kart.marka = marka.adi;
  kart.model = std::string(marka.modeller[static_cast<std::size_t>((aracNo / 2) % 4)]) + " " + std::string(motor.adi) +
               " (" + std::to_string(motor.ilkYil) + "-" + std::to_string(motor.sonYil) + ")";
  kart.anagrup = parca.grup;
  kart.ozelkod = uretici.adi;
  // A part of one vehicle has the same OEM numbers from every producer.
  KodUretici oem(static_cast<std::uint64_t>(turNo) * 1000 + static_cast<std::uint64_t>(aracNo));
  kart.oem[0] = oem.Bicimle(marka.oemBicimi);
  if (turNo % 2 == 0) kart.oem[1] = oem.Bicimle(marka.oemBicimi);
  if (turNo % 5 == 0) kart.oem[2] = oem.Bicimle(marka.oemBicimi);
  if (turNo % 7 == 0) kart.oem[3] = oem.Bicimle("NNNNNNN");
  KodUretici kendi(static_cast<std::uint64_t>(i) + 1000000);
  kart.finishkod = "FN" + kendi.Bicimle("NNNNN");
  kart.ureticikodu = std::string(uretici.kodu) + " " + kendi.Bicimle("NNNNN");
  kart.dpkod = "D" + kendi.Bicimle("NNNN");
  kart.pkod = "P" + kendi.Bicimle("NNN");

  const double fiyat = parca.enDusuk + (parca.enYuksek - parca.enDusuk) * rastgele.Oran();
  kart.listeFiyat = Yuvarla2(fiyat * uretici.fiyatCarpani * (1 + 0.05 * nitelikNo));
  // About 150 new and 200 campaign items, whatever the size of the catalogue.
  kart.yeni = i % std::max(20, stokSayisi / 150) == 3;
  kart.kampanya = i % std::max(15, stokSayisi / 200) == 7;
  if (kart.kampanya) {
    constexpr double kIndirimler[] = {0.10, 0.15, 0.20, 0.25};
    kart.kampFiyat = Yuvarla2(kart.listeFiyat * (1 - rastgele.Sec(std::span<const double>(kIndirimler))));
  }
  kart.durum = Durum(rastgele);
  kart.kalan = kart.durum == 1 ? rastgele.Aralik(1, 250) : kart.durum == 2 ? rastgele.Aralik(1, 3) : 0;
  kart.depo2 = rastgele.Olasilik(kart.durum == 0 ? 0.2 : 0.55) ? "VAR" : "YOK";
  kart.verilenSiparis = kart.durum == 3 ? rastgele.Aralik(5, 100) : 0;
  if (i % 3 == 0 && i < 6000) kart.resim = parca.resim;
  return kart;
}

}  // namespace

void KatalogYaz(Baglam& baglam, int stokSayisi) {
  Statement& stok = baglam.db.Prepare(
      "INSERT INTO stok(stokno, barkod, barkodno, finishkod, ureticikodu, oem1, oem2, oem3, oem4, oemno, dpkod, "
      "pkod, adi, digeradi, birim, marka, model, anagrup, ozelkod, kdv, listefiyat, kampfiyat, yeni, kampanya, "
      "durum, depo2, kalan, verilen_siparis, arama) "
      "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, "
      "?23, ?24, ?25, ?26, ?27, ?28, ?29)");
  Statement& resim =
      baglam.db.Prepare("INSERT INTO stok_resim(stokno, icerik_turu, veri) VALUES(?1, 'image/jpeg', ?2)");
  constexpr std::size_t kSiparisStokSayisi = 2000;
  for (int i = 0; i < stokSayisi; ++i) {
    const StokKarti kart = KartOlustur(i, stokSayisi, baglam.rastgele);
    const std::int64_t stokno = i + 1;
    constexpr double kKdv = 20;
    stok.BindAll(stokno, kart.barkod, kart.barkodno, kart.finishkod, kart.ureticikodu, kart.oem[0], kart.oem[1],
                 kart.oem[2], kart.oem[3], kart.oem[0], kart.dpkod, kart.pkod, kart.adi, kart.digeradi, kart.birim,
                 kart.marka, kart.model, kart.anagrup, kart.ozelkod, kKdv, kart.listeFiyat, kart.kampFiyat,
                 static_cast<int>(kart.yeni), static_cast<int>(kart.kampanya), kart.durum, kart.depo2, kart.kalan,
                 kart.verilenSiparis, AramaMetniOlustur(kart));
    stok.Run();
    if (!kart.resim.empty()) {
      const std::string_view veri = DemoDosyasi(kart.resim);
      resim.Bind(1, stokno).BindBlob(2, veri.data(), veri.size()).Run();
    }
    if (baglam.siparisStoklari.size() < kSiparisStokSayisi) {
      baglam.siparisStoklari.push_back(
          {stokno, kart.barkod, kart.adi, kart.listeFiyat, kart.kampFiyat, kart.kampanya, kKdv});
    }
  }
}

}  // namespace zorvat::server::demo
