#include "server/schema.h"

#include <string>

namespace zorvat::server {

namespace {

// Dates and times are day serials (days since 30 December 1899, the fraction the time of
// day), as they travel. Money is REAL, rounded to two decimals where it is computed.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS ayar(
  anahtar TEXT PRIMARY KEY,
  deger TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS stok_resim(
  stokno INTEGER PRIMARY KEY,
  icerik_turu TEXT NOT NULL,
  veri BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS erisim_istegi(
  sirano INTEGER PRIMARY KEY,
  bilgisayar_id TEXT NOT NULL,
  alanlar TEXT NOT NULL,
  zaman TEXT NOT NULL DEFAULT (datetime('now'))
);

-- Sales representatives.
CREATE TABLE IF NOT EXISTS satici(
  satici_no INTEGER PRIMARY KEY,
  adi TEXT NOT NULL,
  telefon TEXT NOT NULL DEFAULT '',
  mail TEXT NOT NULL DEFAULT ''
);

-- Customer accounts with their four chained discount rates, due days and representative.
-- The balance is the sum of the account's statement movements (cari_hareket).
CREATE TABLE IF NOT EXISTS cari(
  carino INTEGER PRIMARY KEY,
  carikod TEXT NOT NULL UNIQUE,
  cariadi TEXT NOT NULL,
  ozelkod TEXT NOT NULL DEFAULT '',
  anagrup TEXT NOT NULL DEFAULT '',
  altgrup TEXT NOT NULL DEFAULT '',
  kod1 TEXT NOT NULL DEFAULT '',
  kod2 TEXT NOT NULL DEFAULT '',
  kod3 TEXT NOT NULL DEFAULT '',
  kod4 TEXT NOT NULL DEFAULT '',
  kod5 TEXT NOT NULL DEFAULT '',
  adres1 TEXT NOT NULL DEFAULT '',
  adres2 TEXT NOT NULL DEFAULT '',
  ilce TEXT NOT NULL DEFAULT '',
  il TEXT NOT NULL DEFAULT '',
  ulke TEXT NOT NULL DEFAULT 'Türkiye',
  tel1 TEXT NOT NULL DEFAULT '',
  tel2 TEXT NOT NULL DEFAULT '',
  fax1 TEXT NOT NULL DEFAULT '',
  fax2 TEXT NOT NULL DEFAULT '',
  gsm TEXT NOT NULL DEFAULT '',
  email TEXT NOT NULL DEFAULT '',
  yetkili TEXT NOT NULL DEFAULT '',
  vergidairesi TEXT NOT NULL DEFAULT '',
  vergino TEXT NOT NULL DEFAULT '',
  satici_no INTEGER REFERENCES satici(satici_no),
  ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0,
  ind3 REAL NOT NULL DEFAULT 0,
  ind4 REAL NOT NULL DEFAULT 0,
  vade INTEGER NOT NULL DEFAULT 30,
  vadekontrolgun INTEGER NOT NULL DEFAULT 0,
  vadekontrolay INTEGER NOT NULL DEFAULT 0,
  -- The dealer's own warning for the account, shown with the overdue warning.
  uyari TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS cari_satici ON cari(satici_no);

-- Users, one per computer ID. Kinds 1 and 2 are sales representatives and act for the
-- customers of their satici_no; the other kinds are users of their account carino.
CREATE TABLE IF NOT EXISTS kullanici(
  sirano INTEGER PRIMARY KEY,
  bilgisayar_id TEXT UNIQUE,
  adi TEXT NOT NULL UNIQUE,
  sifre TEXT NOT NULL,
  mail TEXT NOT NULL DEFAULT '',
  tur INTEGER NOT NULL CHECK (tur BETWEEN 0 AND 4),
  aktif INTEGER NOT NULL DEFAULT 1 CHECK (aktif IN (0, 1)),
  carino INTEGER REFERENCES cari(carino),
  satici_no INTEGER REFERENCES satici(satici_no),
  CHECK (CASE WHEN tur IN (1, 2) THEN satici_no IS NOT NULL ELSE carino IS NOT NULL END)
);
CREATE INDEX IF NOT EXISTS kullanici_cari ON kullanici(carino);

-- The catalogue. durum: 0 Yok, 1 Var, 2 Telefon Açınız, 3 Yolda, 4 Özel Sipariş,
-- 5 Tedarik Sürecinde. arama: the folded text of the codes, OEM numbers and names that
-- the search matches; stok_ara indexes it by trigrams.
CREATE TABLE IF NOT EXISTS stok(
  stokno INTEGER PRIMARY KEY,
  barkod TEXT NOT NULL UNIQUE,
  barkodno TEXT NOT NULL DEFAULT '',
  finishkod TEXT NOT NULL DEFAULT '',
  ureticikodu TEXT NOT NULL DEFAULT '',
  oem1 TEXT NOT NULL DEFAULT '',
  oem2 TEXT NOT NULL DEFAULT '',
  oem3 TEXT NOT NULL DEFAULT '',
  oem4 TEXT NOT NULL DEFAULT '',
  oemno TEXT NOT NULL DEFAULT '',
  dpkod TEXT NOT NULL DEFAULT '',
  pkod TEXT NOT NULL DEFAULT '',
  adi TEXT NOT NULL,
  digeradi TEXT NOT NULL DEFAULT '',
  birim TEXT NOT NULL DEFAULT 'ADET',
  marka TEXT NOT NULL DEFAULT '',
  model TEXT NOT NULL DEFAULT '',
  anagrup TEXT NOT NULL DEFAULT '',
  ozelkod TEXT NOT NULL DEFAULT '',
  kdv REAL NOT NULL DEFAULT 20,
  listefiyat REAL NOT NULL CHECK (listefiyat >= 0),
  kampfiyat REAL NOT NULL DEFAULT 0,
  yeni INTEGER NOT NULL DEFAULT 0 CHECK (yeni IN (0, 1)),
  kampanya INTEGER NOT NULL DEFAULT 0 CHECK (kampanya IN (0, 1)),
  durum INTEGER NOT NULL DEFAULT 1 CHECK (durum BETWEEN 0 AND 5),
  depo2 TEXT NOT NULL DEFAULT 'YOK' CHECK (depo2 IN ('VAR', 'YOK')),
  kalan REAL NOT NULL DEFAULT 0,
  verilen_siparis REAL NOT NULL DEFAULT 0,
  arama TEXT NOT NULL,
  CHECK (kampanya = 0 OR kampfiyat > 0)
);
CREATE INDEX IF NOT EXISTS stok_yeni ON stok(adi) WHERE yeni = 1;
CREATE INDEX IF NOT EXISTS stok_kampanya ON stok(adi) WHERE kampanya = 1;
-- Stock rows change only through the demonstration seed, which rebuilds this index.
CREATE VIRTUAL TABLE IF NOT EXISTS stok_ara USING fts5(
  arama, content='stok', content_rowid='stokno', tokenize='trigram');

-- Baskets: one per account. sec is the tick: ticked lines go into the next order.
CREATE TABLE IF NOT EXISTS sepet(
  sirano INTEGER PRIMARY KEY AUTOINCREMENT,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  stokno INTEGER NOT NULL REFERENCES stok(stokno),
  barkod TEXT NOT NULL,
  stokadi TEXT NOT NULL,
  miktar REAL NOT NULL CHECK (miktar > 0),
  birimfiyat REAL NOT NULL,
  ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0,
  ind3 REAL NOT NULL DEFAULT 0,
  ind4 REAL NOT NULL DEFAULT 0,
  kdv REAL NOT NULL,
  kampanya INTEGER NOT NULL DEFAULT 0,
  tutar REAL NOT NULL,
  indirimtutar REAL NOT NULL,
  nettutar REAL NOT NULL,
  netbirimfiyat REAL NOT NULL,
  vergitutari REAL NOT NULL,
  kdvlitutar REAL NOT NULL,
  sec INTEGER NOT NULL DEFAULT 1 CHECK (sec IN (0, 1)),
  verilis_tarihi REAL NOT NULL,
  veren_id INTEGER NOT NULL REFERENCES kullanici(sirano),
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS sepet_cari ON sepet(carino, sec);

-- Choices of an order.
CREATE TABLE IF NOT EXISTS teslim_durumu(
  kod INTEGER PRIMARY KEY,
  adi TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS kargo_turu(
  kod INTEGER PRIMARY KEY,
  adi TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS kargo(
  sirano INTEGER PRIMARY KEY,
  kargo_turu INTEGER NOT NULL REFERENCES kargo_turu(kod),
  adi TEXT NOT NULL,
  uyari TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS kargo_tur ON kargo(kargo_turu);

-- Order states, numbered as the customer selection window's buttons ask for them
-- (1 is the basket); sira is the order in which an order runs through them.
CREATE TABLE IF NOT EXISTS siparis_durumu(
  kod INTEGER PRIMARY KEY CHECK (kod BETWEEN 2 AND 7),
  adi TEXT NOT NULL,
  sira INTEGER NOT NULL UNIQUE
);

-- Orders. aciklama is the orderer's note, alan_notu the note of who took the order.
CREATE TABLE IF NOT EXISTS siparis(
  idno INTEGER PRIMARY KEY AUTOINCREMENT,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL,
  durum INTEGER NOT NULL REFERENCES siparis_durumu(kod),
  veren_id INTEGER NOT NULL REFERENCES kullanici(sirano),
  teslim INTEGER NOT NULL REFERENCES teslim_durumu(kod),
  kargo_turu INTEGER NOT NULL REFERENCES kargo_turu(kod),
  kargo INTEGER NOT NULL REFERENCES kargo(sirano),
  aciklama TEXT NOT NULL DEFAULT '',
  alan_notu TEXT NOT NULL DEFAULT '',
  satici_notu TEXT NOT NULL DEFAULT '',
  kur TEXT NOT NULL DEFAULT 'TL',
  kurtl REAL NOT NULL DEFAULT 1
);
CREATE INDEX IF NOT EXISTS siparis_cari ON siparis(carino, durum);
CREATE INDEX IF NOT EXISTS siparis_durum ON siparis(durum);

-- Order lines. sepet_sirano is the basket line the order line came from; ilk_fiyat the
-- unit price at ordering, which later price changes leave as it was. kalan is the open
-- balance: what is still to be delivered, 0 once delivered in full or closed.
CREATE TABLE IF NOT EXISTS siparis_satir(
  sirano INTEGER PRIMARY KEY AUTOINCREMENT,
  idno INTEGER NOT NULL REFERENCES siparis(idno),
  sepet_sirano INTEGER NOT NULL,
  stokno INTEGER NOT NULL REFERENCES stok(stokno),
  barkod TEXT NOT NULL,
  stokadi TEXT NOT NULL,
  miktar REAL NOT NULL CHECK (miktar > 0),
  birimfiyat REAL NOT NULL,
  ilk_fiyat REAL NOT NULL,
  ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0,
  ind3 REAL NOT NULL DEFAULT 0,
  ind4 REAL NOT NULL DEFAULT 0,
  kdv REAL NOT NULL,
  kampanya INTEGER NOT NULL DEFAULT 0,
  tutar REAL NOT NULL,
  indirimtutar REAL NOT NULL,
  nettutar REAL NOT NULL,
  netbirimfiyat REAL NOT NULL,
  vergitutari REAL NOT NULL,
  kdvlitutar REAL NOT NULL,
  verilis_tarihi REAL NOT NULL,
  veren_id INTEGER NOT NULL REFERENCES kullanici(sirano),
  aciklama TEXT NOT NULL DEFAULT '',
  teslim_edilen REAL NOT NULL DEFAULT 0,
  kalan REAL NOT NULL CHECK (kalan >= 0)
);
CREATE INDEX IF NOT EXISTS siparis_satir_siparis ON siparis_satir(idno);
CREATE INDEX IF NOT EXISTS siparis_satir_stok ON siparis_satir(stokno);

-- Invoices with their totals, and their lines (the stock movements of an account).
CREATE TABLE IF NOT EXISTS fatura(
  idno INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL,
  tur TEXT NOT NULL,
  evrak_seri TEXT NOT NULL,
  evrak_sira INTEGER NOT NULL,
  irsaliye_no TEXT NOT NULL DEFAULT '',
  irsaliye_tarihi REAL,
  satici_no INTEGER REFERENCES satici(satici_no),
  vade INTEGER NOT NULL DEFAULT 0,
  toplam REAL NOT NULL,
  toplamindirim REAL NOT NULL,
  matrah REAL NOT NULL,
  kdvtutar REAL NOT NULL,
  kdvdahil REAL NOT NULL,
  UNIQUE (evrak_seri, evrak_sira)
);
CREATE INDEX IF NOT EXISTS fatura_cari ON fatura(carino, tarih);
CREATE TABLE IF NOT EXISTS fatura_satir(
  sirano INTEGER PRIMARY KEY,
  idno INTEGER NOT NULL REFERENCES fatura(idno),
  stokno INTEGER NOT NULL REFERENCES stok(stokno),
  siparis_satir INTEGER REFERENCES siparis_satir(sirano),
  miktar REAL NOT NULL,
  birimfiyat REAL NOT NULL,
  ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0,
  ind3 REAL NOT NULL DEFAULT 0,
  ind4 REAL NOT NULL DEFAULT 0,
  kdv REAL NOT NULL,
  tutar REAL NOT NULL,
  indirimtutar REAL NOT NULL,
  nettutar REAL NOT NULL,
  netbirimfiyat REAL NOT NULL,
  vergitutari REAL NOT NULL,
  kdvlitutar REAL NOT NULL,
  masraf1 REAL NOT NULL DEFAULT 0,
  masraf2 REAL NOT NULL DEFAULT 0,
  toplammasraf REAL NOT NULL DEFAULT 0,
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS fatura_satir_fatura ON fatura_satir(idno);
CREATE INDEX IF NOT EXISTS fatura_satir_stok ON fatura_satir(stokno);

-- Deliveries of order lines, with the invoice they were billed on.
CREATE TABLE IF NOT EXISTS teslimat(
  sirano INTEGER PRIMARY KEY,
  satir_sirano INTEGER NOT NULL REFERENCES siparis_satir(sirano),
  tarih REAL NOT NULL,
  miktar REAL NOT NULL CHECK (miktar > 0),
  fatura_idno INTEGER REFERENCES fatura(idno)
);
CREATE INDEX IF NOT EXISTS teslimat_satir ON teslimat(satir_sirano);

-- Collections ("Tahsilat") and payments to the customer ("Tediye"), with their entries.
CREATE TABLE IF NOT EXISTS tahsilat(
  idno INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL,
  tur TEXT NOT NULL CHECK (tur IN ('Tahsilat', 'Tediye')),
  evrak_no TEXT NOT NULL,
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS tahsilat_cari ON tahsilat(carino, tarih);
CREATE TABLE IF NOT EXISTS tahsilat_satir(
  sirano INTEGER PRIMARY KEY,
  idno INTEGER NOT NULL REFERENCES tahsilat(idno),
  cins TEXT NOT NULL,
  vade REAL NOT NULL,
  tutar REAL NOT NULL,
  ref TEXT NOT NULL DEFAULT '',
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS tahsilat_satir_tahsilat ON tahsilat_satir(idno);

-- Card payments made through the dealer's virtual point of sale, with the receipt data.
CREATE TABLE IF NOT EXISTS sanal_pos(
  sirano INTEGER PRIMARY KEY,
  tahsilat_idno INTEGER NOT NULL UNIQUE REFERENCES tahsilat(idno),
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL,
  kart_sahibi TEXT NOT NULL,
  kart_no TEXT NOT NULL,
  banka TEXT NOT NULL,
  taksit INTEGER NOT NULL DEFAULT 1,
  tutar REAL NOT NULL,
  onay_kodu TEXT NOT NULL,
  referans_no TEXT NOT NULL,
  ip TEXT NOT NULL DEFAULT ''
);

-- Statement movements in date order. A debit falls due on vade_tarihi. fatura_idno or
-- tahsilat_idno leads to the document behind the movement.
CREATE TABLE IF NOT EXISTS cari_hareket(
  sirano INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL,
  tur TEXT NOT NULL,
  evrak_no TEXT NOT NULL DEFAULT '',
  borc REAL NOT NULL DEFAULT 0,
  alacak REAL NOT NULL DEFAULT 0,
  vade_tarihi REAL NOT NULL,
  kur TEXT NOT NULL DEFAULT 'TL',
  aciklama TEXT NOT NULL DEFAULT '',
  fatura_idno INTEGER REFERENCES fatura(idno),
  tahsilat_idno INTEGER REFERENCES tahsilat(idno),
  CHECK (fatura_idno IS NULL OR tahsilat_idno IS NULL)
);
CREATE INDEX IF NOT EXISTS cari_hareket_cari ON cari_hareket(carino, tarih);

-- Announcements and opening advertisements, in sirano order; resim is a JPEG file as
-- hexadecimal text, arama "#KAMPANYA#", "#YENİ#" or a search text.
CREATE TABLE IF NOT EXISTS duyuru(
  sirano INTEGER PRIMARY KEY,
  baslik TEXT NOT NULL,
  arama TEXT NOT NULL DEFAULT '',
  resim TEXT NOT NULL DEFAULT ''
);
CREATE TABLE IF NOT EXISTS acilis_reklam(
  sirano INTEGER PRIMARY KEY,
  baslik TEXT NOT NULL,
  arama TEXT NOT NULL DEFAULT '',
  resim TEXT NOT NULL DEFAULT ''
);

-- The three banners: 1 the header (GIF), 2 the top strip (GIF), 3 the bottom strip (BMP).
-- The scrolling text (HTML) is the setting 'kayan_yazi' of ayar.
CREATE TABLE IF NOT EXISTS banner(
  yer INTEGER PRIMARY KEY CHECK (yer IN (1, 2, 3)),
  icerik_turu TEXT NOT NULL,
  veri BLOB NOT NULL
);

-- Mail sent through the server: password change requests and the mail form.
CREATE TABLE IF NOT EXISTS posta(
  sirano INTEGER PRIMARY KEY,
  zaman REAL NOT NULL,
  bilgisayar_id TEXT NOT NULL,
  baslik TEXT NOT NULL,
  firmaadi TEXT NOT NULL,
  adres1 TEXT NOT NULL,
  adres2 TEXT NOT NULL,
  ilce TEXT NOT NULL,
  sehir TEXT NOT NULL,
  telefon TEXT NOT NULL,
  fax TEXT NOT NULL,
  vd TEXT NOT NULL,
  vn TEXT NOT NULL,
  yetkili TEXT NOT NULL,
  kullaniciadi TEXT NOT NULL,
  sifre TEXT NOT NULL,
  mail TEXT NOT NULL,
  kargoambar TEXT NOT NULL,
  konu TEXT NOT NULL DEFAULT ''
);
)sql";

}  // namespace

void CreateSchema(Database& db) { db.Execute(kSchema); }

int ClientVersion(Database& db) {
  Statement& query = db.Prepare("SELECT deger FROM ayar WHERE anahtar = 'istemci_surumu'");
  const int version = query.Step() ? std::stoi(std::string(query.Text(0))) : 3;
  query.Reset();
  return version;
}

void SetClientVersion(Database& db, int version) {
  Transaction transaction(db);
  db.Prepare("INSERT INTO ayar(anahtar, deger) VALUES('istemci_surumu', ?1) "
             "ON CONFLICT(anahtar) DO UPDATE SET deger = excluded.deger")
      .BindAll(std::to_string(version))
      .Run();
  transaction.Commit();
}

void RegisterComputer(Database& db, const std::string& computerId, const std::string& userName) {
  if (computerId.empty()) throw DatabaseError("Bilgisayar kimliği boş olamaz");
  Transaction transaction(db);
  Statement& user = db.Prepare("SELECT sirano FROM kullanici WHERE adi = ?1 COLLATE NOCASE");
  user.BindAll(userName);
  if (!user.Step()) {
    user.Reset();
    throw DatabaseError("Kullanıcı bulunamadı: " + userName);
  }
  const std::int64_t sirano = user.Int(0);
  user.Reset();
  // One computer logs in as one user: the ID leaves whoever held it.
  db.Prepare("UPDATE kullanici SET bilgisayar_id = NULL WHERE bilgisayar_id = ?1 AND sirano <> ?2")
      .BindAll(computerId, sirano)
      .Run();
  db.Prepare("UPDATE kullanici SET bilgisayar_id = ?1 WHERE sirano = ?2").BindAll(computerId, sirano).Run();
  transaction.Commit();
}

}  // namespace zorvat::server
