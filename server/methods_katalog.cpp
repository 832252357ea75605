// The catalogue: stock search, the new and campaign items, product pictures and the stock
// movements of an account.
#include <string>
#include <string_view>

#include "server/arama_metni.h"
#include "server/methods.h"
#include "server/stok_sorgusu.h"

namespace zorvat::server {

namespace {

using namespace stok;

// A search lists at most this many rows; a longer search text narrows it.
constexpr int kEnCokSatir = 1000;

const SonucSekli kStokListesi{DURUM, DEPO2,       OEM1,      OEM2,          OEM3,           BARKOD,          ADI,
                              OEM4,  STOK_STOKNO, FINISHKOD, URETICIKODU,   RESIM,          BARKOD_BARKODNO, DIGERADI,
                              DPKOD, OEMNO,       BIRIM,     MARKA,         MODEL,          ANAGRUP,         OZELKOD,
                              KALAN, PKOD,        KDV,       ALINANSIPARIS, VERILENSIPARIS, LISTEFIYAT1,     KAMPFIYAT,
                              FIYAT, Y,           K,         INDIRIMYAZI,   NETFIYAT,       KDVDAHIL,        IND1,
                              IND2,  IND3,        IND4};

const SonucSekli kYeniStoklar{OEM1,        OEM2,          OEM3,           BARKOD,      ADI,
                              OEM4,        STOK_STOKNO,   FINISHKOD,      URETICIKODU, BARKOD_BARKODNO,
                              DIGERADI,    DPKOD,         OEMNO,          BIRIM,       MARKA,
                              MODEL,       ANAGRUP,       OZELKOD,        KALAN,       PKOD,
                              KDV,         ALINANSIPARIS, VERILENSIPARIS, FIYAT,       K,
                              LISTEFIYAT1, KAMPFIYAT,     INDIRIMYAZI,    INDIRIM,     NETFIYAT,
                              KDVDAHIL,    IND1,          IND2,           IND3,        IND4};

const SonucSekli kKampanyaliStoklar{
    OEM1,    OEM2,          OEM3,           BARKOD,          ADI,      OEM4,  STOK_STOKNO,
    RESIM,   FINISHKOD,     URETICIKODU,    BARKOD_BARKODNO, DIGERADI, DPKOD, OEMNO,
    BIRIM,   MARKA,         MODEL,          ANAGRUP,         OZELKOD,  KALAN, PKOD,
    KDV,     ALINANSIPARIS, VERILENSIPARIS, ESKIFIYAT,       FIYAT,    Y,     K,
    INDIRIM, INDIRIMYAZI,   NETFIYAT,       KDVDAHIL,        DURUM,    IND1,  IND2,
    IND3,    IND4};

// Search: ?2 the words of three letters or more as a full-text query for the trigram
// index; ?3 the shorter words, one per line, which the folded text must contain too.
const std::string kIndeksliArama = FiyatliListeSorgusu(
    "SELECT st.stokno FROM stok_ara JOIN stok st ON st.stokno = stok_ara.rowid "
    "WHERE stok_ara MATCH ?2 AND kelimeler_var(st.arama, ?3) ORDER BY st.adi, st.barkod LIMIT " +
        std::to_string(kEnCokSatir),
    kStokListesi);
// Only short words: no index serves them, so the folded texts are scanned.
const std::string kTaramaliArama = FiyatliListeSorgusu(
    "SELECT st.stokno FROM stok st WHERE kelimeler_var(st.arama, ?3) ORDER BY st.adi, st.barkod LIMIT " +
        std::to_string(kEnCokSatir),
    kStokListesi);
// A text without any word lists nothing rather than the whole catalogue.
const std::string kBosArama = FiyatliListeSorgusu("SELECT stokno FROM stok WHERE 0", kStokListesi);

// A word as one phrase of a full-text query: in double quotes, inner quotes doubled.
std::string Ifade(std::string_view kelime) {
  std::string ifade = "\"";
  for (char c : kelime) {
    if (c == '"') ifade += '"';
    ifade += c;
  }
  return ifade + "\"";
}

// Every word of the text must occur in the codes, OEM numbers or names of an item;
// letters compare without their Turkish forms and case. Prices are the calling account's.
void StokAraGetir(MethodContext& call) {
  std::string eslesme;  // phrases separated by blanks: all of them must match
  std::string kisalar;
  for (const std::string& kelime : AranacakKelimeler(call.Text(0))) {
    if (HarfSayisi(kelime) >= 3) {
      eslesme += (eslesme.empty() ? "" : " ") + Ifade(kelime);
    } else {
      kisalar += (kisalar.empty() ? "" : "\n") + kelime;
    }
  }
  const std::string& sql = !eslesme.empty() ? kIndeksliArama : !kisalar.empty() ? kTaramaliArama : kBosArama;
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.Bind(1, call.Record(1).CARINO());
  if (!eslesme.empty()) sorgu.Bind(2, eslesme);
  if (!kisalar.empty() || !eslesme.empty()) sorgu.Bind(3, kisalar);
  call.ReturnTable(sorgu, kStokListesi.Kolonlar());
}

void YenilerVer2(MethodContext& call) {
  static const std::string sql = FiyatliListeSorgusu("SELECT stokno FROM stok WHERE yeni = 1", kYeniStoklar);
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kYeniStoklar.Kolonlar());
}

// Users of kind 4 work without campaigns: their list is empty.
void KampanyaliVer2(MethodContext& call) {
  static const std::string sql =
      FiyatliListeSorgusu("SELECT stokno FROM stok WHERE kampanya = 1 AND ?2 <> 4", kKampanyaliStoklar);
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0), call.Integer(1));
  call.ReturnTable(sorgu, kKampanyaliStoklar.Kolonlar());
}

// The picture's bytes; length 0 when the item has none.
void ResimVer5(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT veri FROM stok_resim WHERE stokno = ?1");
  sorgu.BindAll(call.Integer(0));
  call.ReturnStream(sorgu.Step() ? std::string(sorgu.Blob(0)) : std::string());
  sorgu.Reset();
}

// The invoice lines of the item on the account: sales and returns, oldest first.
const SonucSekli kStokHareketleri{
    {"BARKOD", String, "st.barkod"},
    {"TARIH", Date, "floor(f.tarih)"},
    {"TURU", String, "f.tur"},
    {"EVRAKSERI", String, "f.evrak_seri"},
    {"EVRAKSIRA", Integer, "f.evrak_sira"},
    {"MIKTAR", Float, "fs.miktar"},
    {"TLBIRIMFIYAT", Float, "fs.birimfiyat"},
    {"TLVERGI", Float, "fs.vergitutari"},
    {"TLTUTAR", Float, "fs.tutar"},
    {"INDIRIM1", Float, "fs.ind1"},
    {"INDIRIM2", Float, "fs.ind2"},
    {"INDIRIM3", Float, "fs.ind3"},
    {"INDIRIM4", Float, "fs.ind4"},
    {"INDIRIM5", Float, "0.0"},
    {"INDIRIM6", Float, "0.0"},
    {"INDIRIM7", Float, "0.0"},
    {"INDIRIM8", Float, "0.0"},
    {"TOPLAMINDIRIM", Float, "fs.indirimtutar"},
    {"MASRAF1", Float, "fs.masraf1"},
    {"MASRAF2", Float, "fs.masraf2"},
    {"TOPLAMMASRAF", Float, "fs.toplammasraf"},
    {"NETBIRIMFIYAT", Float, "fs.netbirimfiyat"},
    {"NETTLTUTAR", Float, "fs.nettutar"},
    {"VADE", Date, "floor(f.tarih) + f.vade"},
    {"STOKCARIKOD", String, "c.carikod"},
    {"KDVDAHILBIRIMFIYAT", Float, "kdv_dahil(fs.netbirimfiyat, fs.kdv)"},
    {"KDVDAHILTUTAR", Float, "fs.kdvlitutar"},
    {"SATICI", String, "coalesce(sa.adi, '')"},
};

void StokHareketVer(MethodContext& call) {
  static const std::string sql =
      "SELECT " + kStokHareketleri.SecimListesi() +
      " FROM fatura_satir fs JOIN fatura f ON f.idno = fs.idno JOIN stok st ON st.stokno = fs.stokno "
      "JOIN cari c ON c.carino = f.carino LEFT JOIN satici sa ON sa.satici_no = f.satici_no "
      "WHERE f.carino = ?1 AND fs.stokno = ?2 ORDER BY f.tarih, fs.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0), call.Integer(1));
  call.ReturnTable(sorgu, kStokHareketleri.Kolonlar());
}

}  // namespace

void RegisterKatalogMethods(MethodRegistry& registry) {
  registry.Add("StokAraGetir", StokAraGetir);
  registry.Add("YenilerVer2", YenilerVer2);
  registry.Add("KampanyaliVer2", KampanyaliVer2);
  registry.Add("ResimVer5", ResimVer5);
  registry.Add("StokHareketVer", StokHareketVer);
}

}  // namespace zorvat::server
