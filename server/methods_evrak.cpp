// The documents behind statement rows: an invoice's lines and totals, a collection's
// entries, and the receipt of a card payment made through the dealer's virtual POS.
#include <string>
#include <vector>

#include "server/belge_bicimi.h"
#include "server/methods.h"
#include "server/pdf_belgesi.h"
#include "server/stok_sorgusu.h"

namespace zorvat::server {

namespace {

using enum FieldType;

// Series and six digits, as the documents are numbered.
constexpr std::string_view kEvrakNo = "f.evrak_seri || printf('%06d', f.evrak_sira)";

// The invoice window's columns: those it shows, those it offers, then the rest. A line
// `fs` of the invoice `f`, its item `s`, the account `c`, the invoice's representative
// `sa` and, when the line was delivered for an order, the order line `ss` and order `o`.
// Invoices are in Turkish lira, so the foreign-currency amounts are 0.
const SonucSekli kFaturaSatirlari{
    stok::OEMNO,
    {"STOKADI", String, "s.adi"},
    stok::FINISHKOD,
    stok::MARKA,
    stok::MODEL,
    stok::ANAGRUP,
    stok::BIRIM,
    {"STOKHAR_MIKTAR", Float, "fs.miktar"},
    {"STOKHAR_TLBIRIMFIYATI", Float, "fs.birimfiyat"},
    {"STOKHAR_TLTUTAR", Float, "fs.tutar"},
    {"STOKHAR_INDIRIM1", Float, "fs.ind1"},
    {"STOKHAR_INDIRIM2", Float, "fs.ind2"},
    {"KDV", Float, "fs.kdv"},
    {"STOKHAR_TOPLAMINDIRIM", Float, "fs.indirimtutar"},
    {"STOKHAR_TOPLAMMASRAF", Float, "fs.toplammasraf"},
    {"STOKHAR_NETTLBIRIMFIYATI", Float, "fs.netbirimfiyat"},
    {"STOKHAR_NETTLTUTAR", Float, "fs.nettutar"},
    stok::OZELKOD,
    stok::BARKOD,
    {"STOKHAR_HAREKETTARIHI", Date, "floor(f.tarih)"},
    {"STOKHAR_HAREKETTIPI2", String, "f.tur"},
    {"EVRAKNO", String, kEvrakNo},
    {"STOKHAR_TLVERGI", Float, "fs.vergitutari"},
    {"IRSALIYEEVRAKNO", String, "f.irsaliye_no"},
    {"STOKHAR_IRSTARIHI", Date, "floor(f.irsaliye_tarihi)"},
    {"SATIRACIKLMASI", String, "fs.aciklama"},
    {"STOKHAR_SAAT", Time, "f.tarih - floor(f.tarih)"},
    // The days to the due date, as the window's "Vade (Gün)" shows it.
    {"STOKHAR_VADE", Integer, "f.vade"},
    {"SIPARISEVRAKNO", String, "coalesce(CAST(o.idno AS TEXT), '')"},
    {"SIPARISTARIHI", Date, "floor(o.tarih)"},
    {"IRSALIYETIP2", String, "replace(f.tur, 'Faturası', 'İrsaliyesi')"},
    {"STOKHAR_INDIRIM3", Float, "fs.ind3"},
    {"STOKHAR_INDIRIM4", Float, "fs.ind4"},
    {"STOKHAR_INDIRIM5", Float, "0.0"},
    {"STOKHAR_INDIRIM6", Float, "0.0"},
    {"STOKHAR_INDIRIM7", Float, "0.0"},
    {"STOKHAR_INDIRIM8", Float, "0.0"},
    {"STOKHAR_DOVIZBIRIMFIYATI", Float, "0.0"},
    {"STOKHAR_DOVIZVERGI", Float, "0.0"},
    {"STOKHAR_DOVIZTUTAR", Float, "0.0"},
    {"STOKHAR_PARTI", String, "''"},
    {"STOKHAR_BEDEN", String, "''"},
    {"STOKHAR_RENK", String, "''"},
    {"STOKHAR_MASRAF1", Float, "fs.masraf1"},
    {"STOKHAR_MASRAF2", Float, "fs.masraf2"},
    {"STOKHAR_DOVIZTOPLAMINDIRIM", Float, "0.0"},
    {"STOKHAR_DOVIZTOPLAMMASRAF", Float, "0.0"},
    {"STOKHAR_NETDOVIZBIRIMFIYATI", Float, "0.0"},
    {"STOKHAR_NETDOVIZTUTAR", Float, "0.0"},
    {"STOKHAR_KURTL", Float, "1.0"},
    {"SIPARISTIPI", String, "CASE WHEN o.idno IS NULL THEN '' ELSE 'Alınan Sipariş' END"},
    // 1 a sales delivery note, 3 a sales return note.
    {"IRSALIYETIPINO", Integer, "CASE WHEN f.tur = 'Satış İade Faturası' THEN 3 ELSE 1 END"},
    {"STOKCARIKOD", String, "c.carikod"},
    {"SUBE_NO", Integer, "0"},
    {"STOKHAR_CARINO", Integer, "f.carino"},
    {"KUR_KURSIMGE", String, "'TL'"},
    {"SATICIADI", String, "coalesce(sa.adi, '')"},
    stok::URETICIKODU,
    stok::DPKOD,
    {"ENADI", String, "s.digeradi"},
    stok::PKOD,
    {"BELGENO", String, kEvrakNo},
    {"IDNO", Integer, "f.idno"},
};

// Only an invoice of the account; another account's invoice gives no lines.
void FaturaGetir(MethodContext& call) {
  static const std::string sql =
      "SELECT " + kFaturaSatirlari.SecimListesi() +
      " FROM fatura_satir fs JOIN fatura f ON f.idno = fs.idno JOIN stok s ON s.stokno = fs.stokno "
      "JOIN cari c ON c.carino = f.carino LEFT JOIN satici sa ON sa.satici_no = f.satici_no "
      "LEFT JOIN siparis_satir ss ON ss.sirano = fs.siparis_satir LEFT JOIN siparis o ON o.idno = ss.idno "
      "WHERE f.carino = ?1 AND f.idno = ?2 ORDER BY fs.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0), call.Integer(1));
  call.ReturnTable(sorgu, kFaturaSatirlari.Kolonlar());
}

const SonucSekli kFaturaToplamlari{
    {"TOPLAM", Float, "toplam"},     {"TOPLAMINDIRIM", Float, "toplamindirim"}, {"MATRAH", Float, "matrah"},
    {"KDVTUTAR", Float, "kdvtutar"}, {"KDVDAHIL", Float, "kdvdahil"},
};

// One row; none for an unknown invoice.
void FaturaAltGetir(MethodContext& call) {
  static const std::string sql = "SELECT " + kFaturaToplamlari.SecimListesi() + " FROM fatura WHERE idno = ?1";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kFaturaToplamlari.Kolonlar());
}

// The collection window shows the field names as headers, Turkish letters and blanks
// included. Collections are in Turkish lira.
const SonucSekli kTahsilatSatirlari{
    {"Tarih", Date, "floor(t.tarih)"}, {"Türü", String, "t.tur"},    {"Cins", String, "ts.cins"},
    {"Vade", Date, "floor(ts.vade)"},  {"Tutar", Float, "ts.tutar"}, {"Açıklama", String, "ts.aciklama"},
    {"EvrakNo", String, "t.evrak_no"}, {"Ref", String, "ts.ref"},    {"Saat", Time, "t.tarih - floor(t.tarih)"},
    {"Kur", String, "'TL'"},           {"KurTL", Float, "1.0"},      {"Döviz Tutar", Float, "ts.tutar"},
};

// The entries of a collection or of a payment to the customer; none for an unknown one.
void Tahsilat(MethodContext& call) {
  static const std::string sql = "SELECT " + kTahsilatSatirlari.SecimListesi() +
                                 " FROM tahsilat_satir ts JOIN tahsilat t ON t.idno = ts.idno "
                                 "WHERE ts.idno = ?1 ORDER BY ts.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kTahsilatSatirlari.Kolonlar());
}

// The card payment behind a collection; 0 when it was not one.
void SanalposSiranoVer(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT sirano FROM sanal_pos WHERE tahsilat_idno = ?1");
  sorgu.BindAll(call.Integer(0));
  const auto sirano = static_cast<std::int32_t>(sorgu.Step() ? sorgu.Int(0) : 0);
  sorgu.Reset();
  call.ReturnInteger(sirano);
}

std::string TaksitYazisi(std::int64_t taksit) { return taksit <= 1 ? "Tek Çekim" : std::to_string(taksit) + " Taksit"; }

// The receipt of a card payment as a PDF document; length 0 for an unknown payment.
void SAnalPosPdfVer(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare(
      "SELECT c.cariadi, c.carikod, p.tarih, p.kart_sahibi, p.kart_no, p.banka, p.taksit, p.tutar, p.onay_kodu, "
      "p.referans_no, t.evrak_no, p.ip FROM sanal_pos p JOIN tahsilat t ON t.idno = p.tahsilat_idno "
      "JOIN cari c ON c.carino = p.carino WHERE p.sirano = ?1");
  sorgu.BindAll(call.Integer(0));
  if (!sorgu.Step()) {
    sorgu.Reset();
    return call.ReturnStream({});
  }
  const auto metin = [&](int sutun) { return std::string(sorgu.Text(sutun)); };
  const std::string cariAdi = metin(0);
  const std::string cariKod = metin(1);
  const std::vector<std::vector<std::string>> bilgiler = {
      {"İşlem Tarihi", TarihSaatYazisi(sorgu.Double(2))},
      {"Kart Sahibi", metin(3)},
      {"Kart Numarası", metin(4)},
      {"Banka", metin(5)},
      {"Taksit", TaksitYazisi(sorgu.Int(6))},
      {"Tutar", ParaYazisi(sorgu.Double(7)) + " TL"},
      {"Onay Kodu", metin(8)},
      {"Referans No", metin(9)},
      {"Tahsilat Evrak No", metin(10)},
      {"IP Adresi", metin(11)},
  };
  sorgu.Reset();
  PdfBelgesi belge("Sanal POS Ödeme Dekontu");
  belge.Satir(cariAdi, true);
  belge.Satir("Cari Kod: " + cariKod);
  belge.Bosluk();
  belge.Tablo({{"Bilgi", 150}, {"Değer", 365}}, bilgiler);
  belge.Bosluk();
  belge.Satir("Ödemeniz hesabınıza tahsilat olarak işlenmiştir. Teşekkür ederiz.");
  call.ReturnStream(belge.Bayt());
}

}  // namespace

void RegisterEvrakMethods(MethodRegistry& registry) {
  registry.Add("FaturaGetir", FaturaGetir);
  registry.Add("FaturaAltGetir", FaturaAltGetir);
  registry.Add("Tahsilat", Tahsilat);
  registry.Add("SanalposSiranoVer", SanalposSiranoVer);
  registry.Add("SAnalPosPdfVer", SAnalPosPdfVer);
}

}  // namespace zorvat::server
