// The demonstration history of every account: orders in every state with their lines,
// deliveries of shipped orders and the invoices they were billed on, returns, collections
// (card payments with a receipt among them), payments to the customer, and the statement
// that lists all of it. Accounts marked overdue leave old invoices unpaid.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "net/bicim.h"
#include "server/seed_ortak.h"

namespace zorvat::server::demo {

namespace {

// States, numbered as the customer selection window's buttons count them.
constexpr int kAlindi = 2, kOnaylandi = 3, kGoruldu = 4, kParcaliHazirlandi = 5, kHazirlandi = 6, kSevkEdildi = 7;

struct SiparisPlani {
  int yas;  // days before the base date
  int durum;
};

// The accounts of the demonstration users have orders in every state.
constexpr SiparisPlani kGosterimSiparisleri[] = {
    {290, kSevkEdildi},       {200, kSevkEdildi}, {120, kSevkEdildi}, {70, kSevkEdildi}, {40, kSevkEdildi},
    {20, kParcaliHazirlandi}, {14, kHazirlandi},  {9, kOnaylandi},    {5, kGoruldu},     {2, kAlindi}};
constexpr int kGosterimCariSayisi = 4;

constexpr std::string_view kSiparisNotlari[] = {
    "", "", "Acil lazım, bugün çıkarsa sevinirim.", "Öğleden önce teslim lütfen.", "Faturayı siparişle gönderin.", ""};
constexpr std::string_view kAlanNotlari[] = {"", "Stoktan karşılandı.", "Eksikler tedarik sürecinde.",
                                             "Müşteri arandı, teslim günü teyit edildi."};

struct Hareket {
  double tarih;
  std::string tur;
  std::string evrakNo;
  double borc = 0;
  double alacak = 0;
  double vadeTarihi = 0;
  std::string aciklama;
  std::int64_t faturaIdno = 0;
  std::int64_t tahsilatIdno = 0;
};

struct SiparisSatiri {
  std::int64_t sirano = 0;
  const StokOzet* stok = nullptr;
  double miktar = 0;
  double birimFiyat = 0;
  Oranlar oranlar{};
  double teslimEdilen = 0;
};

double SaatEkle(Rastgele& r, double gun) { return gun + r.Aralik(8 * 60, 18 * 60) / 1440.0; }

// A document number: the series and six digits.
std::string Evrak(std::string_view seri, std::int64_t sira) {
  const std::string rakamlar = std::to_string(sira);
  return std::string(seri) + std::string(rakamlar.size() < 6 ? 6 - rakamlar.size() : 0, '0') + rakamlar;
}

class HareketYazici {
 public:
  explicit HareketYazici(Baglam& baglam) : b_(baglam), r_(baglam.rastgele) {}

  void CariYaz(const CariOzet& cari, int sira) {
    hareketler_.clear();
    AcilisYaz(cari);
    for (const SiparisPlani& plan : Planla(sira)) SiparisYaz(cari, plan);
    if (sira == 0 || r_.Olasilik(0.1)) IadeYaz(cari);
    TahsilatlariYaz(cari, sira == 0);
    if (sira == 0 || r_.Olasilik(0.05)) TediyeYaz(cari);
    EkstreYaz(cari);
  }

 private:
  std::vector<SiparisPlani> Planla(int sira) {
    if (sira < kGosterimCariSayisi) return {std::begin(kGosterimSiparisleri), std::end(kGosterimSiparisleri)};
    std::vector<SiparisPlani> planlar;
    const int adet = r_.Aralik(0, 6);
    for (int i = 0; i < adet; ++i) planlar.push_back({r_.Aralik(1, 300), 0});
    std::sort(planlar.begin(), planlar.end(),
              [](const SiparisPlani& a, const SiparisPlani& c) { return a.yas > c.yas; });
    for (SiparisPlani& plan : planlar) plan.durum = DurumSec(plan.yas);
    return planlar;
  }

  int DurumSec(int yas) {
    constexpr int kYeni[] = {kAlindi, kGoruldu, kOnaylandi};
    constexpr int kHazirlik[] = {kOnaylandi, kHazirlandi, kParcaliHazirlandi, kGoruldu};
    constexpr int kSon[] = {kSevkEdildi, kHazirlandi, kParcaliHazirlandi};
    if (yas > 25) return kSevkEdildi;
    if (yas > 15) return r_.Sec(std::span<const int>(kSon));
    if (yas > 7) return r_.Sec(std::span<const int>(kHazirlik));
    return r_.Sec(std::span<const int>(kYeni));
  }

  void AcilisYaz(const CariOzet& cari) {
    const double tarih = GunSeri(2026, 1, 2);
    const int tutar = r_.Aralik(0, 4) == 0 ? 0 : r_.Aralik(5, 250) * 100;
    const bool borc = r_.Olasilik(0.85);
    hareketler_.push_back({tarih, "Açılış", "ACL" + std::to_string(cari.carino), borc ? tutar : 0.0, borc ? 0.0 : tutar,
                           tarih, "Devir bakiyesi", 0, 0});
  }

  std::int64_t VerenSec(const CariOzet& cari) {
    return cari.kullanici != 0 && r_.Olasilik(0.6) ? cari.kullanici : cari.saticiKullanici;
  }

  void SiparisYaz(const CariOzet& cari, const SiparisPlani& plan) {
    const double tarih = SaatEkle(r_, kBazTarih - plan.yas);
    const std::int64_t veren = VerenSec(cari);
    const int teslim = r_.Aralik(1, kTeslimDurumuSayisi);
    const KargoFirmasi& kargo =
        kKargolar[static_cast<std::size_t>(r_.Aralik(0, static_cast<int>(std::size(kKargolar)) - 1))];
    const std::string_view not1 = r_.Sec(std::span<const std::string_view>(kSiparisNotlari));
    const std::string_view not2 = plan.durum == kAlindi ? "" : r_.Sec(std::span<const std::string_view>(kAlanNotlari));
    const bool saticiNotu = r_.Olasilik(0.2);
    b_.db
        .Prepare(
            "INSERT INTO siparis(carino, tarih, durum, veren_id, teslim, kargo_turu, kargo, aciklama, alan_notu, "
            "satici_notu) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)")
        .BindAll(cari.carino, tarih, plan.durum, veren, teslim, kargo.tur, kargo.sirano, not1, not2,
                 saticiNotu ? "Müşteriyle görüşüldü, fiyatlar onaylandı." : "")
        .Run();
    const std::int64_t idno = b_.db.LastInsertId();
    std::vector<SiparisSatiri> satirlar = SatirlariYaz(cari, idno, tarih, veren, plan.durum == kSevkEdildi);
    if (plan.durum == kSevkEdildi) FaturaYaz(cari, idno, tarih + r_.Aralik(1, 3), satirlar);
  }

  std::vector<SiparisSatiri> SatirlariYaz(const CariOzet& cari, std::int64_t idno, double tarih, std::int64_t veren,
                                          bool sevkEdildi) {
    std::vector<SiparisSatiri> satirlar;
    const int adet = r_.Aralik(1, 6);
    const int stokSayisi = static_cast<int>(b_.siparisStoklari.size());
    for (int i = 0; i < adet; ++i) {
      SiparisSatiri satir;
      satir.stok = &b_.siparisStoklari[static_cast<std::size_t>(r_.Aralik(0, stokSayisi - 1))];
      satir.miktar = r_.Aralik(1, 10);
      const SatirFiyati fiyat = FiyatBul(*satir.stok, cari);
      // The representative with price rights lowered some prices after the order came.
      const bool fiyatDegisti = veren == kFiyatYetkiliSatici && r_.Olasilik(0.3);
      satir.birimFiyat = fiyatDegisti ? Yuvarla2(fiyat.birimFiyat * 0.95) : fiyat.birimFiyat;
      satir.oranlar = fiyat.oranlar;
      satir.teslimEdilen = sevkEdildi ? TeslimMiktari(satir.miktar) : 0;
      const bool bakiyeKapandi = satir.teslimEdilen < satir.miktar && r_.Olasilik(0.3);
      const double kalan = sevkEdildi && bakiyeKapandi ? 0 : satir.miktar - satir.teslimEdilen;
      const SatirTutarlari t = SatirHesapla(satir.miktar, satir.birimFiyat, satir.oranlar, satir.stok->kdv);
      b_.db
          .Prepare(
              "INSERT INTO siparis_satir(idno, sepet_sirano, stokno, barkod, stokadi, miktar, birimfiyat, ilk_fiyat, "
              "ind1, ind2, ind3, ind4, kdv, kampanya, tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, "
              "kdvlitutar, verilis_tarihi, veren_id, teslim_edilen, kalan) "
              "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, "
              "?22, ?23, ?24)")
          .BindAll(idno, ++b_.sonSepetSirano, satir.stok->stokno, satir.stok->barkod, satir.stok->adi, satir.miktar,
                   satir.birimFiyat, fiyat.birimFiyat, satir.oranlar[0], satir.oranlar[1], satir.oranlar[2],
                   satir.oranlar[3], satir.stok->kdv, static_cast<int>(satir.stok->kampanya), t.tutar, t.indirimTutar,
                   t.netTutar, t.netBirimFiyat, t.vergiTutari, t.kdvliTutar, tarih - 0.02, veren, satir.teslimEdilen,
                   kalan)
          .Run();
      satir.sirano = b_.db.LastInsertId();
      satirlar.push_back(satir);
    }
    return satirlar;
  }

  // Most shipped lines go out in full; some only in part.
  double TeslimMiktari(double miktar) {
    if (miktar < 2 || !r_.Olasilik(0.2)) return miktar;
    return miktar - r_.Aralik(1, static_cast<int>(miktar) - 1);
  }

  std::int64_t FaturaBasligiYaz(const CariOzet& cari, double tarih, std::string_view tur, std::string_view seri) {
    const std::int64_t sira = ++evrakSirasi_;
    b_.db
        .Prepare(
            "INSERT INTO fatura(carino, tarih, tur, evrak_seri, evrak_sira, irsaliye_no, irsaliye_tarihi, satici_no, "
            "vade, toplam, toplamindirim, matrah, kdvtutar, kdvdahil) "
            "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?2, ?7, ?8, 0, 0, 0, 0, 0)")
        .BindAll(cari.carino, tarih, tur, seri, sira, Evrak("IRS", sira), cari.saticiNo, cari.vade)
        .Run();
    return b_.db.LastInsertId();
  }

  // Writes one invoice line and returns its amounts.
  SatirTutarlari FaturaSatiriYaz(std::int64_t faturaIdno, const SiparisSatiri& satir, double miktar) {
    const SatirTutarlari t = SatirHesapla(miktar, satir.birimFiyat, satir.oranlar, satir.stok->kdv);
    b_.db
        .Prepare(
            "INSERT INTO fatura_satir(idno, stokno, siparis_satir, miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, "
            "tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, kdvlitutar) "
            "VALUES(?1, ?2, nullif(?3, 0), ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16)")
        .BindAll(faturaIdno, satir.stok->stokno, satir.sirano, miktar, satir.birimFiyat, satir.oranlar[0],
                 satir.oranlar[1], satir.oranlar[2], satir.oranlar[3], satir.stok->kdv, t.tutar, t.indirimTutar,
                 t.netTutar, t.netBirimFiyat, t.vergiTutari, t.kdvliTutar)
        .Run();
    return t;
  }

  // The invoice's totals are the sums of its lines; returns the VAT-inclusive total.
  double FaturaToplamlariniYaz(std::int64_t idno) {
    Statement& toplam = b_.db.Prepare(
        "UPDATE fatura SET (toplam, toplamindirim, matrah, kdvtutar, kdvdahil) = "
        "(SELECT yuvarla2(sum(tutar)), yuvarla2(sum(indirimtutar)), yuvarla2(sum(nettutar)), "
        "yuvarla2(sum(vergitutari)), yuvarla2(sum(kdvlitutar)) FROM fatura_satir WHERE idno = ?1) "
        "WHERE idno = ?1 RETURNING kdvdahil");
    toplam.BindAll(idno);
    toplam.Step();
    const double kdvDahil = toplam.Double(0);
    toplam.Reset();
    return kdvDahil;
  }

  void FaturaYaz(const CariOzet& cari, std::int64_t siparisIdno, double tarih,
                 const std::vector<SiparisSatiri>& satirlar) {
    const std::int64_t idno = FaturaBasligiYaz(cari, tarih, "Satış Faturası", "ZVA");
    for (const SiparisSatiri& satir : satirlar) {
      if (satir.teslimEdilen <= 0) continue;
      FaturaSatiriYaz(idno, satir, satir.teslimEdilen);
      b_.db.Prepare("INSERT INTO teslimat(satir_sirano, tarih, miktar, fatura_idno) VALUES(?1, ?2, ?3, ?4)")
          .BindAll(satir.sirano, tarih, satir.teslimEdilen, idno)
          .Run();
      faturaSatirlari_.push_back(satir);
    }
    const double tutar = FaturaToplamlariniYaz(idno);
    hareketler_.push_back({tarih, "Satış Faturası", Evrak("ZVA", evrakSirasi_), tutar, 0, tarih + cari.vade,
                           "Sipariş No: " + std::to_string(siparisIdno), idno, 0});
  }

  // One unit of a delivered line comes back.
  void IadeYaz(const CariOzet& cari) {
    if (faturaSatirlari_.empty()) return;
    const SiparisSatiri& satir =
        faturaSatirlari_[static_cast<std::size_t>(r_.Aralik(0, static_cast<int>(faturaSatirlari_.size()) - 1))];
    const double tarih = SaatEkle(r_, kBazTarih - r_.Aralik(3, 20));
    const std::int64_t idno = FaturaBasligiYaz(cari, tarih, "Satış İade Faturası", "ZVI");
    SiparisSatiri iade = satir;
    iade.sirano = 0;
    FaturaSatiriYaz(idno, iade, 1);
    const double tutar = FaturaToplamlariniYaz(idno);
    hareketler_.push_back(
        {tarih, "Satış İade Faturası", Evrak("ZVI", evrakSirasi_), 0, tutar, tarih, "Hasarlı ürün iadesi", idno, 0});
  }

  std::int64_t TahsilatBasligiYaz(const CariOzet& cari, double tarih, std::string_view tur, const std::string& evrak,
                                  std::string_view aciklama) {
    b_.db.Prepare("INSERT INTO tahsilat(carino, tarih, tur, evrak_no, aciklama) VALUES(?1, ?2, ?3, ?4, ?5)")
        .BindAll(cari.carino, tarih, tur, evrak, aciklama)
        .Run();
    return b_.db.LastInsertId();
  }

  void TahsilatSatiriYaz(std::int64_t idno, std::string_view cins, double vade, double tutar, const std::string& ref,
                         std::string_view aciklama) {
    b_.db.Prepare("INSERT INTO tahsilat_satir(idno, cins, vade, tutar, ref, aciklama) VALUES(?1, ?2, ?3, ?4, ?5, ?6)")
        .BindAll(idno, cins, vade, tutar, ref, aciklama)
        .Run();
  }

  void SanalPosYaz(const CariOzet& cari, std::int64_t tahsilatIdno, double tarih, double tutar) {
    std::string kartNo = "5400 " + std::to_string(r_.Aralik(10, 99));
    kartNo += "** **** " + std::to_string(r_.Aralik(1000, 9999));
    const int taksit = r_.Sec(std::span<const int>(kTaksitler));
    const std::string onay = std::to_string(r_.Aralik(100000, 999999));
    const std::string referans = "ZV" + std::to_string(static_cast<std::int64_t>(tarih) * 1000 + tahsilatIdno % 1000);
    b_.db
        .Prepare(
            "INSERT INTO sanal_pos(tahsilat_idno, carino, tarih, kart_sahibi, kart_no, banka, taksit, tutar, "
            "onay_kodu, referans_no, ip) VALUES(?1, ?2, ?3, ?4, ?5, 'Demo Bankası', ?6, ?7, ?8, ?9, '127.0.0.1')")
        .BindAll(tahsilatIdno, cari.carino, tarih, KartSahibi(cari), kartNo, taksit, tutar, onay, referans)
        .Run();
  }

  std::string KartSahibi(const CariOzet& cari) {
    Statement& yetkili = b_.db.Prepare("SELECT yetkili FROM cari WHERE carino = ?1");
    yetkili.BindAll(cari.carino);
    yetkili.Step();
    std::string adi(yetkili.Text(0));
    yetkili.Reset();
    return adi;
  }

  // Each debit is paid some time before it falls due, unless that is after the base date;
  // an overdue account stopped paying what fell due in the last five months.
  void TahsilatlariYaz(const CariOzet& cari, bool kartIleBasla) {
    std::vector<Hareket> borclar;
    for (const Hareket& h : hareketler_) {
      if (h.borc > 0) borclar.push_back(h);
    }
    std::sort(borclar.begin(), borclar.end(), [](const Hareket& a, const Hareket& c) { return a.tarih < c.tarih; });
    for (const Hareket& borc : borclar) {
      const double tarih =
          SaatEkle(r_, std::floor(borc.tarih + (borc.vadeTarihi - borc.tarih) * (0.3 + 0.6 * r_.Oran())));
      if (tarih >= kBazTarih) continue;
      if (cari.vadesiGecmis && borc.vadeTarihi > kBazTarih - 150) continue;
      const std::string_view cins = kartIleBasla ? "Kredi Kartı" : r_.Sec(std::span<const std::string_view>(kCinsler));
      kartIleBasla = false;
      TahsilatYaz(cari, tarih, cins, borc);
    }
  }

  void TahsilatYaz(const CariOzet& cari, double tarih, std::string_view cins, const Hareket& borc) {
    const std::string evrak = Evrak("TAH", ++tahsilatSirasi_);
    const std::string aciklama = borc.evrakNo + " ödemesi";
    const std::int64_t idno = TahsilatBasligiYaz(cari, tarih, "Tahsilat", evrak, aciklama);
    const bool cek = cins == "Çek";
    const double vade = cek ? std::floor(tarih) + r_.Aralik(30, 90) : std::floor(tarih);
    const std::string ref = cek ? "ÇEK-" + std::to_string(r_.Aralik(100000, 999999)) : "";
    TahsilatSatiriYaz(idno, cins, vade, borc.borc, ref, aciklama);
    if (cins == "Kredi Kartı") SanalPosYaz(cari, idno, tarih, borc.borc);
    hareketler_.push_back(
        {tarih, "Tahsilat", evrak, 0, borc.borc, tarih, std::string(cins) + " ile tahsilat", 0, idno});
  }

  // A payment to the customer: an overpayment sent back by bank transfer.
  void TediyeYaz(const CariOzet& cari) {
    const double tarih = SaatEkle(r_, kBazTarih - r_.Aralik(10, 60));
    const double tutar = r_.Aralik(5, 50) * 10;
    const std::string evrak = Evrak("TED", ++tahsilatSirasi_);
    const std::int64_t idno = TahsilatBasligiYaz(cari, tarih, "Tediye", evrak, "Fazla ödeme iadesi");
    TahsilatSatiriYaz(idno, "Havale/EFT", std::floor(tarih), tutar, "", "Fazla ödeme iadesi");
    hareketler_.push_back({tarih, "Tediye", evrak, tutar, 0, tarih, "Fazla ödeme iadesi", 0, idno});
  }

  void EkstreYaz(const CariOzet& cari) {
    std::stable_sort(hareketler_.begin(), hareketler_.end(),
                     [](const Hareket& a, const Hareket& c) { return a.tarih < c.tarih; });
    Statement& ekle = b_.db.Prepare(
        "INSERT INTO cari_hareket(carino, tarih, tur, evrak_no, borc, alacak, vade_tarihi, aciklama, fatura_idno, "
        "tahsilat_idno) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, nullif(?9, 0), nullif(?10, 0))");
    for (const Hareket& h : hareketler_) {
      ekle.BindAll(cari.carino, h.tarih, h.tur, h.evrakNo, h.borc, h.alacak, h.vadeTarihi, h.aciklama, h.faturaIdno,
                   h.tahsilatIdno)
          .Run();
    }
    faturaSatirlari_.clear();
  }

  static constexpr std::string_view kCinsler[] = {"Nakit", "Havale/EFT", "Havale/EFT", "Kredi Kartı", "Çek"};
  static constexpr int kTaksitler[] = {1, 1, 3, 6};

  Baglam& b_;
  Rastgele& r_;
  std::vector<Hareket> hareketler_;
  std::vector<SiparisSatiri> faturaSatirlari_;
  std::int64_t evrakSirasi_ = 0;
  std::int64_t tahsilatSirasi_ = 0;
};

}  // namespace

void HareketleriYaz(Baglam& baglam) {
  HareketYazici yazici(baglam);
  for (std::size_t i = 0; i < baglam.cariler.size(); ++i) yazici.CariYaz(baglam.cariler[i], static_cast<int>(i));
}

}  // namespace zorvat::server::demo
