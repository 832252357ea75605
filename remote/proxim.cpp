#include "remote/proxim.h"

#include <stdexcept>
#include <type_traits>

#include "net/connection.h"
#include "remote/record_codec.h"

namespace zorvat {

namespace {

// An output parameter of the caller's: nothing is sent for it; its value is read back.
struct OutParam {
  std::int64_t& value;
};

void Bind(DSParameter& parameter, const std::string& value) { parameter.SetWideString(value); }
void Bind(DSParameter& parameter, std::int32_t value) { parameter.SetInt32(value); }
void Bind(DSParameter& parameter, double value) { parameter.SetDouble(value); }
void Bind(DSParameter&, OutParam&) {}

// The object is turned into its JSON form and then freed: object arguments are consumed.
void Bind(DSParameter& parameter, std::unique_ptr<TSonucBilgisi>& record) {
  if (!record) {
    parameter.SetNull();
    return;
  }
  parameter.SetJSONValue(RecordToJson(*record));
  record.reset();
}

void Collect(DSParameter& parameter, OutParam& out) { out.value = parameter.GetInt64(); }
template <class Input>
void Collect(DSParameter&, Input&) {}

template <class Result>
Result TakeResult(DSCommand& command) {
  if constexpr (std::is_void_v<Result>) {
    return;
  } else {
    const DSParameter& result = command.Parameters().back();
    if constexpr (std::is_same_v<Result, std::int32_t>) {
      return result.GetInt32();
    } else if constexpr (std::is_same_v<Result, bool>) {
      return result.GetBoolean();
    } else if constexpr (std::is_same_v<Result, std::string>) {
      return result.GetWideString();
    } else if constexpr (std::is_same_v<Result, DataPacket>) {
      return result.GetVariant();
    } else if constexpr (std::is_same_v<Result, TableReader*>) {
      return result.GetDBXReader();
    } else if constexpr (std::is_same_v<Result, MemoryStream*>) {
      return result.GetStream();
    } else {
      // A record result: absent when the server sent null, otherwise owned by the command.
      using Record = std::remove_pointer_t<Result>;
      const std::optional<simdjson::dom::element> json = result.GetJSONValue();
      if (!json) return nullptr;
      return command.Own(RecordFromElement<Record>(*json));
    }
  }
}

}  // namespace

TServerMethods1Client::TServerMethods1Client(Connection* ADBXConnection)
    : FDBXConnection(ADBXConnection) {
  if (FDBXConnection == nullptr) {
    throw std::invalid_argument("Connection cannot be nil.  Make sure the connection has been opened.");
  }
}

TServerMethods1Client::~TServerMethods1Client() = default;

DSCommand& TServerMethods1Client::PreparedCommand(std::unique_ptr<DSCommand>& slot,
                                                  const char* method) {
  if (!slot) {
    auto command = std::make_unique<DSCommand>(*FDBXConnection);
    command->Text = std::string("TServerMethods1.") + method;
    command->Prepare();
    ++prepareCount_;
    slot = std::move(command);
  }
  return *slot;
}

template <class Result, class... Args>
Result TServerMethods1Client::Call(std::unique_ptr<DSCommand>& slot, const char* method,
                                   Args&&... args) {
  DSCommand& command = PreparedCommand(slot, method);
  std::size_t ordinal = 0;
  (Bind(command.Parameters().at(ordinal++), args), ...);
  command.ExecuteUpdate();
  ordinal = 0;
  (Collect(command.Parameters().at(ordinal++), args), ...);
  return TakeResult<Result>(command);
}

std::string TServerMethods1Client::EchoString(const std::string& Value) {
  return Call<std::string>(FEchoStringCommand, "EchoString", Value);
}

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const std::string& idsi) {
  return Call<TSonucBilgisi*>(FBuyukGetirCommand, "BuyukGetir", idsi);
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(std::int32_t sirano,
                                                                 const std::string& _idsi) {
  return Call<TMobilCariBilgisi*>(FMobilCariBilgisiGetirCommand, "MobilCariBilgisiGetir", sirano,
                                  _idsi);
}

std::int32_t TServerMethods1Client::MailGonserCari(
    const std::string& idsi, const std::string& baslik, const std::string& firmaadi,
    const std::string& adres1, const std::string& adres2, const std::string& ilce,
    const std::string& sehir, const std::string& telefon, const std::string& fax,
    const std::string& vd, const std::string& vn, const std::string& yetkili,
    const std::string& kullaniciadi, const std::string& sifre, const std::string& mail,
    const std::string& kargoambar) {
  return Call<std::int32_t>(FMailGonserCariCommand, "MailGonserCari", idsi, baslik, firmaadi,
                            adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                            kullaniciadi, sifre, mail, kargoambar);
}

std::int32_t TServerMethods1Client::MailGonserCariNormal(
    const std::string& idsi, const std::string& baslik, const std::string& firmaadi,
    const std::string& adres1, const std::string& adres2, const std::string& ilce,
    const std::string& sehir, const std::string& telefon, const std::string& fax,
    const std::string& vd, const std::string& vn, const std::string& yetkili,
    const std::string& kullaniciadi, const std::string& sifre, const std::string& mail,
    const std::string& kargoambar, const std::string& konu) {
  return Call<std::int32_t>(FMailGonserCariNormalCommand, "MailGonserCariNormal", idsi, baslik,
                            firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                            kullaniciadi, sifre, mail, kargoambar, konu);
}

DataPacket TServerMethods1Client::StokAraGetir(const std::string& kod,
                                               std::unique_ptr<TSonucBilgisi> bilgi) {
  return Call<DataPacket>(FStokAraGetirCommand, "StokAraGetir", kod, bilgi);
}

DataPacket TServerMethods1Client::YenilerVer2(std::int32_t carino) {
  return Call<DataPacket>(FYenilerVer2Command, "YenilerVer2", carino);
}

DataPacket TServerMethods1Client::KampanyaliVer2(std::int32_t cario, std::int32_t satici) {
  return Call<DataPacket>(FKampanyaliVer2Command, "KampanyaliVer2", cario, satici);
}

std::int32_t TServerMethods1Client::SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim,
                                               std::int32_t carino, std::int32_t stokno,
                                               const std::string& barkod,
                                               const std::string& stokadi, double miktar,
                                               double kdv, double fiyat, double ind1,
                                               std::int32_t verenid, std::int32_t k, double ind2,
                                               double ind3, double ind4) {
  return Call<std::int32_t>(FSepetEkle2Command, "SepetEkle2", bilgim, carino, stokno, barkod,
                            stokadi, miktar, kdv, fiyat, ind1, verenid, k, ind2, ind3, ind4);
}

MemoryStream* TServerMethods1Client::ResimVer5(std::int32_t stokno, std::int64_t& boy) {
  OutParam length{boy};
  return Call<MemoryStream*>(FResimVer5Command, "ResimVer5", stokno, length);
}

DataPacket TServerMethods1Client::StokHareketVer(std::int32_t carino, std::int32_t stokno) {
  return Call<DataPacket>(FStokHareketVerCommand, "StokHareketVer", carino, stokno);
}

DataPacket TServerMethods1Client::SepetVer2(std::int32_t carino) {
  return Call<DataPacket>(FSepetVer2Command, "SepetVer2", carino);
}

std::string TServerMethods1Client::CariVadeGunGecmismiBul(std::int32_t carino) {
  return Call<std::string>(FCariVadeGunGecmismiBulCommand, "CariVadeGunGecmismiBul", carino);
}

void TServerMethods1Client::SepetSecimGuncelle(std::int32_t sirano, std::int32_t secim) {
  Call<void>(FSepetSecimGuncelleCommand, "SepetSecimGuncelle", sirano, secim);
}

std::int32_t TServerMethods1Client::SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim,
                                                   std::int32_t carino, std::int32_t stokno,
                                                   const std::string& barkod,
                                                   const std::string& stokadi, double miktar,
                                                   double kdv, double fiyat, double ind1,
                                                   std::int32_t verenid, std::int32_t _sepetsirano,
                                                   double ind2, double ind3, double ind4) {
  return Call<std::int32_t>(FSepetGuncelle2Command, "SepetGuncelle2", bilgim, carino, stokno,
                            barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, _sepetsirano, ind2,
                            ind3, ind4);
}

std::int32_t TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi,
                                                  std::int32_t satirno,
                                                  const std::string& aciklamam) {
  return Call<std::int32_t>(FSepetSatirSilCommand, "SepetSatirSil", bilgi, satirno, aciklamam);
}

std::int32_t TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi) {
  return Call<std::int32_t>(FSepetHepsiniSilCommand, "SepetHepsiniSil", bilgi);
}

TableReader* TServerMethods1Client::TeslimVer() {
  return Call<TableReader*>(FTeslimVerCommand, "TeslimVer");
}

TableReader* TServerMethods1Client::KargoVer() {
  return Call<TableReader*>(FKargoVerCommand, "KargoVer");
}

TableReader* TServerMethods1Client::KargolarVer(std::int32_t gn) {
  return Call<TableReader*>(FKargolarVerCommand, "KargolarVer", gn);
}

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, std::int32_t _carino,
                                          std::int32_t _teslim, std::int32_t _kargo,
                                          const std::string& _aciklama, std::int32_t _verenid,
                                          std::int32_t _kargoyeni) {
  return Call<bool>(FSiparisKaydetCommand, "SiparisKaydet", BB, _carino, _teslim, _kargo,
                    _aciklama, _verenid, _kargoyeni);
}

TableReader* TServerMethods1Client::OncekiSiparisler(std::int32_t carino) {
  return Call<TableReader*>(FOncekiSiparislerCommand, "OncekiSiparisler", carino);
}

TableReader* TServerMethods1Client::SiparisAyrintisi2(std::int32_t carino, std::int32_t idnosu) {
  return Call<TableReader*>(FSiparisAyrintisi2Command, "SiparisAyrintisi2", carino, idnosu);
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(std::int32_t carino,
                                                               std::int32_t siranosu) {
  return Call<TSiparisDipAyrinti*>(FSiparisAytintisiDipCommand, "SiparisAytintisiDip", carino,
                                   siranosu);
}

TableReader* TServerMethods1Client::FaturaGetir(std::int32_t carino, std::int32_t idnosu) {
  return Call<TableReader*>(FFaturaGetirCommand, "FaturaGetir", carino, idnosu);
}

TableReader* TServerMethods1Client::FaturaAltGetir(std::int32_t idnosu) {
  return Call<TableReader*>(FFaturaAltGetirCommand, "FaturaAltGetir", idnosu);
}

TableReader* TServerMethods1Client::Tahsilat(std::int32_t idnosu) {
  return Call<TableReader*>(FTahsilatCommand, "Tahsilat", idnosu);
}

std::int32_t TServerMethods1Client::SanalposSiranoVer(std::int32_t idnosu) {
  return Call<std::int32_t>(FSanalposSiranoVerCommand, "SanalposSiranoVer", idnosu);
}

MemoryStream* TServerMethods1Client::SAnalPosPdfVer(std::int32_t sirano, std::int64_t& boy) {
  OutParam length{boy};
  return Call<MemoryStream*>(FSAnalPosPdfVerCommand, "SAnalPosPdfVer", sirano, length);
}

TableReader* TServerMethods1Client::BakiyelerVer2(std::int32_t carino) {
  return Call<TableReader*>(FBakiyelerVer2Command, "BakiyelerVer2", carino);
}

std::int32_t TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k,
                                                  std::int32_t stokno, std::int32_t sepetsirano,
                                                  std::int32_t siparissirano, double Adet,
                                                  double Bakiye, const std::string& barkod) {
  return Call<std::int32_t>(FBakiyeDuzenleCommand, "BakiyeDuzenle", k, stokno, sepetsirano,
                            siparissirano, Adet, Bakiye, barkod);
}

std::int32_t TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k,
                                                   std::int32_t stokno, std::int32_t sepetsirano,
                                                   std::int32_t siparissirano, double Adet,
                                                   double Bakiye, const std::string& barkod) {
  return Call<std::int32_t>(FBakiyeDegistirCommand, "BakiyeDegistir", k, stokno, sepetsirano,
                            siparissirano, Adet, Bakiye, barkod);
}

std::int32_t TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k,
                                                        std::int32_t stokno,
                                                        std::int32_t sepetsirano,
                                                        std::int32_t siparissirano, double Adet,
                                                        double Bakiye, const std::string& barkod,
                                                        double fiyat, double ind) {
  return Call<std::int32_t>(FBakiyeFiyatDegistirCommand, "BakiyeFiyatDegistir", k, stokno,
                            sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind);
}

TableReader* TServerMethods1Client::TumSiparislerVer(std::int32_t carino, std::int32_t stokno) {
  return Call<TableReader*>(FTumSiparislerVerCommand, "TumSiparislerVer", carino, stokno);
}

TableReader* TServerMethods1Client::CariEkstreVer(std::int32_t carino) {
  return Call<TableReader*>(FCariEkstreVerCommand, "CariEkstreVer", carino);
}

TableReader* TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil,
                                            const std::string& aranan) {
  return Call<TableReader*>(FCariAraCommand, "CariAra", bil, aranan);
}

TableReader* TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil,
                                                 std::int32_t n) {
  return Call<TableReader*>(FCariSepetVerCommand, "CariSepetVer", bil, n);
}

std::int32_t TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil) {
  return Call<std::int32_t>(FSepetSayisiCommand, "SepetSayisi", bil);
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil) {
  return Call<TTusSonuclari*>(FTusSonuclariVerCommand, "TusSonuclariVer", bil);
}

MemoryStream* TServerMethods1Client::RaporGetir(std::int32_t raporno, std::int32_t bolum,
                                                std::int32_t idno, std::int32_t carino,
                                                const std::string& saticiadi, double tarih1,
                                                double tarih2, std::int64_t& size) {
  OutParam length{size};
  return Call<MemoryStream*>(FRaporGetirCommand, "RaporGetir", raporno, bolum, idno, carino,
                             saticiadi, tarih1, tarih2, length);
}

TableReader* TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi,
                                                          double tarih1, double tarih2) {
  return Call<TableReader*>(FRaporAlinanSiparislerCommand, "RaporAlinanSiparisler", bilgi, tarih1,
                            tarih2);
}

TableReader* TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi,
                                                             double tarih1, double tarih2) {
  return Call<TableReader*>(FRaporEnCokSatilanStoklarCommand, "RaporEnCokSatilanStoklar", bilgi,
                            tarih1, tarih2);
}

std::string TServerMethods1Client::CariDurumVer(std::int32_t carino) {
  return Call<std::string>(FCariDurumVerCommand, "CariDurumVer", carino);
}

std::string TServerMethods1Client::KayanYaziGetir() {
  return Call<std::string>(FKayanYaziGetirCommand, "KayanYaziGetir");
}

TableReader* TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil) {
  return Call<TableReader*>(FBalonGetirCommand, "BalonGetir", bil);
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
  return Call<TAcilisEkranlariki*>(FAcilisEkranlarVer2Command, "AcilisEkranlarVer2");
}

MemoryStream* TServerMethods1Client::BannerResimVer(std::int64_t& size) {
  OutParam length{size};
  return Call<MemoryStream*>(FBannerResimVerCommand, "BannerResimVer", length);
}

MemoryStream* TServerMethods1Client::BannerResimVer2(std::int64_t& size) {
  OutParam length{size};
  return Call<MemoryStream*>(FBannerResimVer2Command, "BannerResimVer2", length);
}

MemoryStream* TServerMethods1Client::BannerResimVer3(std::int64_t& size) {
  OutParam length{size};
  return Call<MemoryStream*>(FBannerResimVer3Command, "BannerResimVer3", length);
}

std::int32_t TServerMethods1Client::AcilisReklamAdet() {
  return Call<std::int32_t>(FAcilisReklamAdetCommand, "AcilisReklamAdet");
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(std::int32_t sira) {
  return Call<TAcilisEkran*>(FAcilisREklamVerCommand, "AcilisREklamVer", sira);
}

}  // namespace zorvat
