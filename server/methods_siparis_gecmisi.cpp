// The orders an account has placed: the list, one order's lines and footer, the open
// balances across all orders, and every order line of one stock item.
#include <string>
#include <vector>

#include "remote/records.h"
#include "server/methods.h"
#include "server/siparis_sorgusu.h"
#include "server/stok_sorgusu.h"

namespace zorvat::server {

namespace {

using enum FieldType;

const SonucSekli kSiparisler{
    siparis::CARINO,   siparis::IDNO,   siparis::TARIH, siparis::KUR,      siparis::KURTL,       siparis::VERENIDNO,
    siparis::KARGO,    siparis::TESLIM, siparis::VEREN, siparis::CARIKOD,  siparis::CARIADI,     siparis::VERGI,
    siparis::NETTUTAR, siparis::TUTAR,  siparis::DURUM, siparis::KARGOADI, siparis::VERENINNOTU, siparis::ALANNOTU};

// Newest first.
void OncekiSiparisler(MethodContext& call) {
  static const std::string sql = "SELECT " + kSiparisler.SecimListesi() + " FROM " +
                                 std::string(siparis::kSiparisKaynagi) +
                                 " WHERE o.carino = ?1 ORDER BY o.tarih DESC, o.idno DESC";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kSiparisler.Kolonlar());
}

// Columns of an order line `ss` of the order `o` (kSiparisKaynagi), its stock item `s`
// and the line's giver `sk`.
namespace satir {
constexpr Sutun VERILISTARIHI{"VERILISTARIHI", Date, "floor(ss.verilis_tarihi)"};
constexpr Sutun BARKOD{"BARKOD", String, "ss.barkod"};
constexpr Sutun STOKADI{"STOKADI", String, "ss.stokadi"};
constexpr Sutun MIKTAR{"MIKTAR", Float, "ss.miktar"};
constexpr Sutun BIRIMFIYAT{"BIRIMFIYAT", Float, "ss.birimfiyat"};
constexpr Sutun TUTAR{"TUTAR", Float, "ss.tutar"};
constexpr Sutun INDIRIMYAZI{"INDIRIMYAZI", String, "indirim_yazi(ss.ind1, ss.ind2, ss.ind3, ss.ind4)"};
constexpr Sutun NETBIRIMFIYAT{"NETBIRIMFIYAT", Float, "ss.netbirimfiyat"};
constexpr Sutun KDV{"KDV", Float, "ss.kdv"};
constexpr Sutun VERGITUTARI{"VERGITUTARI", Float, "ss.vergitutari"};
constexpr Sutun NETTUTAR{"NETTUTAR", Float, "ss.nettutar"};
constexpr Sutun VEREN{"VEREN", String, "coalesce(sk.adi, '')"};
constexpr Sutun TESLIMEDILEN{"TESLIMEDILEN", Float, "ss.teslim_edilen"};
// The open balance: what is still to be delivered.
constexpr Sutun KALAN{"KALAN", Float, "ss.kalan"};
constexpr Sutun SIPARISNO{"SIPARISNO", Integer, "o.idno"};
constexpr Sutun INDIRIMORANI1{"INDIRIMORANI1", Float, "ss.ind1"};
constexpr Sutun INDIRIMORANI2{"INDIRIMORANI2", Float, "ss.ind2"};
constexpr Sutun INDIRIMORANI3{"INDIRIMORANI3", Float, "ss.ind3"};
constexpr Sutun INDIRIMORANI4{"INDIRIMORANI4", Float, "ss.ind4"};
constexpr Sutun SAAT{"SAAT", Time, "ss.verilis_tarihi - floor(ss.verilis_tarihi)"};
// The line's own note, or the item's name when it has none: the balance dialog shows it
// as the line's description.
constexpr Sutun ACIKLAMA{"ACIKLAMA", String, "coalesce(nullif(ss.aciklama, ''), ss.stokadi)"};
// The basket line the order line came from.
constexpr Sutun SIRANO{"SIRANO", Integer, "ss.sepet_sirano"};
// Passed on to the dealer's accounting once the order is no longer just received.
constexpr Sutun AKTAR{"AKTAR", SmallInt, "o.durum <> 2"};
constexpr Sutun STOKNO{"STOKNO", Integer, "ss.stokno"};
constexpr Sutun INDIRIMTUTAR{"INDIRIMTUTAR", Float, "ss.indirimtutar"};
constexpr Sutun VERENIDNO{"VERENIDNO", Integer, "ss.veren_id"};
constexpr Sutun TESLIMID{"TESLIMID", Integer, "o.teslim"};
constexpr Sutun KARGOID{"KARGOID", Integer, "o.kargo_turu"};
constexpr Sutun VERENSIRANO{"VERENSIRANO", Integer, "ss.veren_id"};
// The unit price at ordering, before any price change.
constexpr Sutun ILKFIYAT{"ILKFIYAT", Float, "ss.ilk_fiyat"};
// The order line itself, as the balance changes name it.
constexpr Sutun STOKHAR_NO{"STOKHAR_NO", Integer, "ss.sirano"};
// What the dealer has on hand of the item.
constexpr Sutun ELDEKI{"ELDEKI", Float, "s.kalan"};
}  // namespace satir

const std::string kSatirKaynagi = std::string(siparis::kSiparisKaynagi) +
                                  " JOIN siparis_satir ss ON ss.idno = o.idno JOIN stok s ON s.stokno = ss.stokno "
                                  "LEFT JOIN kullanici sk ON sk.sirano = ss.veren_id";

// The order detail window's columns: those it shows, those it offers, then the rest.
const SonucSekli kSiparisSatirlari{
    satir::VERILISTARIHI, satir::BARKOD,        stok::FINISHKOD,  stok::OEMNO,          satir::STOKADI,
    satir::MIKTAR,        satir::BIRIMFIYAT,    satir::TUTAR,     satir::INDIRIMYAZI,   satir::NETBIRIMFIYAT,
    satir::KDV,           satir::VERGITUTARI,   satir::NETTUTAR,  satir::VEREN,         satir::TESLIMEDILEN,
    satir::KALAN,         satir::SIPARISNO,     siparis::TARIH,   satir::INDIRIMORANI1, satir::INDIRIMORANI2,
    satir::INDIRIMORANI3, satir::INDIRIMORANI4, siparis::KUR,     satir::SAAT,          satir::ACIKLAMA,
    stok::OEM1,           stok::OEM2,           stok::OEM3,       stok::OEM4,           stok::DIGERADI,
    stok::DPKOD,          stok::MARKA,          stok::MODEL,      stok::ANAGRUP,        stok::OZELKOD,
    stok::PKOD,           satir::SIRANO,        siparis::CARINO,  satir::AKTAR,         satir::STOKNO,
    satir::INDIRIMTUTAR,  siparis::KURTL,       satir::VERENIDNO, satir::TESLIMID,      satir::KARGOID,
    siparis::IDNO,        satir::VERENSIRANO,   siparis::CARIKOD, siparis::CARIADI,     stok::STOK_STOKNO,
    stok::URETICIKODU,    siparis::TESLIM,      siparis::KARGO};

// Only the lines of an order of the account; none for another account's order.
void SiparisAyrintisi2(MethodContext& call) {
  static const std::string sql = "SELECT " + kSiparisSatirlari.SecimListesi() + " FROM " + kSatirKaynagi +
                                 " WHERE o.carino = ?1 AND o.idno = ?2 ORDER BY ss.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0), call.Integer(1));
  call.ReturnTable(sorgu, kSiparisSatirlari.Kolonlar());
}

// The order is found by its number alone when the account is 0, as every caller sends it;
// another account must be the order's. An unknown order is an error, so the caller never
// shows the footer of an order that is not there.
void SiparisAytintisiDip(MethodContext& call) {
  const std::int32_t carino = call.Integer(0);
  const std::int32_t idno = call.Integer(1);
  static const std::string sql =
      "SELECT o.aciklama, coalesce(d.adi, ''), coalesce(k.adi, ''), coalesce(kg.adi, ''), o.alan_notu, "
      "coalesce(t.adi, ''), coalesce(kt.adi, ''), o.satici_notu FROM " +
      std::string(siparis::kSiparisKaynagi) + " WHERE o.idno = ?1 AND (?2 = 0 OR o.carino = ?2)";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(idno, carino);
  if (!sorgu.Step()) {
    sorgu.Reset();
    throw MethodError("Sipariş bulunamadı: " + std::to_string(idno));
  }
  const auto metin = [&](int sutun) { return std::string(sorgu.Text(sutun)); };
  TSiparisDipAyrinti dip;
  dip.SetSizinMesaj(metin(0));
  dip.SetDurumu(metin(1));
  dip.SetVeren(metin(2));
  dip.SetKargo(metin(3));
  dip.SetBizimMesaj(metin(4));
  dip.SetTeslimCinsi(metin(5));
  dip.SetKargoCinsi(metin(6));
  dip.SetSaticiNotu(metin(7));
  sorgu.Reset();
  call.ReturnRecord(dip);
}

// Two results one after the other: the columns of both and one select list.
struct ArdisikSekil {
  std::vector<TableColumn> kolonlar;
  std::string secim;
};

ArdisikSekil Ardarda(const SonucSekli& once, const SonucSekli& sonra) {
  ArdisikSekil sekil{{once.Kolonlar().begin(), once.Kolonlar().end()},
                     once.SecimListesi() + ", " + sonra.SecimListesi()};
  sekil.kolonlar.insert(sekil.kolonlar.end(), sonra.Kolonlar().begin(), sonra.Kolonlar().end());
  return sekil;
}

// The balances window shows the order detail's columns and these.
const ArdisikSekil kBakiyeler =
    Ardarda(kSiparisSatirlari, SonucSekli{satir::ILKFIYAT, satir::STOKHAR_NO, satir::ELDEKI, stok::DURUM,
                                          stok::ALINANSIPARIS, stok::VERILENSIPARIS});

// The lines not delivered in full and not closed, oldest order first.
void BakiyelerVer2(MethodContext& call) {
  static const std::string sql = "SELECT " + kBakiyeler.secim + " FROM " + kSatirKaynagi +
                                 " WHERE o.carino = ?1 AND ss.kalan > 0 ORDER BY o.tarih, ss.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kBakiyeler.kolonlar);
}

// The all-orders window's columns: those it shows, those it offers, then the rest.
const SonucSekli kTumSiparisler{
    satir::VERILISTARIHI, satir::BARKOD,       stok::FINISHKOD,      stok::OEMNO,          satir::STOKADI,
    satir::MIKTAR,        satir::BIRIMFIYAT,   satir::TUTAR,         satir::INDIRIMORANI1, satir::NETBIRIMFIYAT,
    satir::KDV,           satir::VERGITUTARI,  satir::NETTUTAR,      satir::VEREN,         satir::TESLIMEDILEN,
    satir::KALAN,         stok::DURUM,         siparis::TARIH,       siparis::KUR,         satir::SAAT,
    satir::ACIKLAMA,      stok::OEM1,          stok::OEM2,           stok::OEM3,           stok::OEM4,
    stok::DIGERADI,       stok::DPKOD,         stok::MARKA,          stok::MODEL,          stok::ANAGRUP,
    stok::OZELKOD,        stok::PKOD,          satir::SIRANO,        satir::SIPARISNO,     satir::AKTAR,
    satir::STOKNO,        satir::ILKFIYAT,     satir::INDIRIMORANI2, satir::INDIRIMORANI3, satir::INDIRIMTUTAR,
    siparis::KURTL,       satir::VERENIDNO,    satir::TESLIMID,      satir::KARGOID,       siparis::IDNO,
    satir::VERENSIRANO,   siparis::CARIKOD,    siparis::CARIADI,     stok::STOK_STOKNO,    stok::URETICIKODU,
    siparis::TESLIM,      siparis::KARGO,      satir::STOKHAR_NO,    satir::ELDEKI,        stok::ALINANSIPARIS,
    stok::VERILENSIPARIS, satir::INDIRIMORANI4};

// Every order line of the account for one stock item, or for all of them when the item
// is 0; newest order first.
void TumSiparislerVer(MethodContext& call) {
  static const std::string sql = "SELECT " + kTumSiparisler.SecimListesi() + " FROM " + kSatirKaynagi +
                                 " WHERE o.carino = ?1 AND (?2 = 0 OR ss.stokno = ?2) "
                                 "ORDER BY o.tarih DESC, o.idno DESC, ss.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0), call.Integer(1));
  call.ReturnTable(sorgu, kTumSiparisler.Kolonlar());
}

}  // namespace

void RegisterSiparisGecmisiMethods(MethodRegistry& registry) {
  registry.Add("OncekiSiparisler", OncekiSiparisler);
  registry.Add("SiparisAyrintisi2", SiparisAyrintisi2);
  registry.Add("SiparisAytintisiDip", SiparisAytintisiDip);
  registry.Add("BakiyelerVer2", BakiyelerVer2);
  registry.Add("TumSiparislerVer", TumSiparislerVer);
}

}  // namespace zorvat::server
