// The proxy of the remote service: one method per remote method of TServerMethods1, with
// the server's names, parameters and results. A proxy is made on an open connection for one
// operation. Object arguments are consumed. Record, table and stream results belong to the
// command that produced them until it runs again or the proxy dies: copy what you keep.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "remote/command.h"
#include "remote/records.h"
#include "session/sonuc_bilgisi.h"

namespace zorvat {

class Connection;

class TServerMethods1Client {
 public:
  // Throws "Connection cannot be nil.  Make sure the connection has been opened." without
  // a connection. Instance ownership is always on.
  explicit TServerMethods1Client(Connection* ADBXConnection);
  ~TServerMethods1Client();
  TServerMethods1Client(const TServerMethods1Client&) = delete;
  TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

  std::string EchoString(const std::string& Value);

  // Login, registration and mail.
  TSonucBilgisi* BuyukGetir(const std::string& idsi);
  TMobilCariBilgisi* MobilCariBilgisiGetir(std::int32_t sirano, const std::string& _idsi);
  std::int32_t MailGonserCari(const std::string& idsi, const std::string& baslik,
                              const std::string& firmaadi, const std::string& adres1,
                              const std::string& adres2, const std::string& ilce,
                              const std::string& sehir, const std::string& telefon,
                              const std::string& fax, const std::string& vd, const std::string& vn,
                              const std::string& yetkili, const std::string& kullaniciadi,
                              const std::string& sifre, const std::string& mail,
                              const std::string& kargoambar);
  std::int32_t MailGonserCariNormal(const std::string& idsi, const std::string& baslik,
                                    const std::string& firmaadi, const std::string& adres1,
                                    const std::string& adres2, const std::string& ilce,
                                    const std::string& sehir, const std::string& telefon,
                                    const std::string& fax, const std::string& vd,
                                    const std::string& vn, const std::string& yetkili,
                                    const std::string& kullaniciadi, const std::string& sifre,
                                    const std::string& mail, const std::string& kargoambar,
                                    const std::string& konu);

  // Catalogue.
  DataPacket StokAraGetir(const std::string& kod, std::unique_ptr<TSonucBilgisi> bilgi);
  DataPacket YenilerVer2(std::int32_t carino);
  DataPacket KampanyaliVer2(std::int32_t cario, std::int32_t satici);
  std::int32_t SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, std::int32_t carino,
                          std::int32_t stokno, const std::string& barkod, const std::string& stokadi,
                          double miktar, double kdv, double fiyat, double ind1, std::int32_t verenid,
                          std::int32_t k, double ind2, double ind3, double ind4);
  MemoryStream* ResimVer5(std::int32_t stokno, std::int64_t& boy);
  DataPacket StokHareketVer(std::int32_t carino, std::int32_t stokno);

  // Basket and ordering.
  DataPacket SepetVer2(std::int32_t carino);
  std::string CariVadeGunGecmismiBul(std::int32_t carino);
  void SepetSecimGuncelle(std::int32_t sirano, std::int32_t secim);
  std::int32_t SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, std::int32_t carino,
                              std::int32_t stokno, const std::string& barkod,
                              const std::string& stokadi, double miktar, double kdv, double fiyat,
                              double ind1, std::int32_t verenid, std::int32_t _sepetsirano,
                              double ind2, double ind3, double ind4);
  std::int32_t SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, std::int32_t satirno,
                             const std::string& aciklamam);
  std::int32_t SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
  TableReader* TeslimVer();
  TableReader* KargoVer();
  TableReader* KargolarVer(std::int32_t gn);
  bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, std::int32_t _carino, std::int32_t _teslim,
                     std::int32_t _kargo, const std::string& _aciklama, std::int32_t _verenid,
                     std::int32_t _kargoyeni);

  // Order history and documents.
  TableReader* OncekiSiparisler(std::int32_t carino);
  TableReader* SiparisAyrintisi2(std::int32_t carino, std::int32_t idnosu);
  TSiparisDipAyrinti* SiparisAytintisiDip(std::int32_t carino, std::int32_t siranosu);
  TableReader* FaturaGetir(std::int32_t carino, std::int32_t idnosu);
  TableReader* FaturaAltGetir(std::int32_t idnosu);
  TableReader* Tahsilat(std::int32_t idnosu);
  std::int32_t SanalposSiranoVer(std::int32_t idnosu);
  MemoryStream* SAnalPosPdfVer(std::int32_t sirano, std::int64_t& boy);
  TableReader* BakiyelerVer2(std::int32_t carino);
  std::int32_t BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, std::int32_t stokno,
                             std::int32_t sepetsirano, std::int32_t siparissirano, double Adet,
                             double Bakiye, const std::string& barkod);
  std::int32_t BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, std::int32_t stokno,
                              std::int32_t sepetsirano, std::int32_t siparissirano, double Adet,
                              double Bakiye, const std::string& barkod);
  std::int32_t BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, std::int32_t stokno,
                                   std::int32_t sepetsirano, std::int32_t siparissirano,
                                   double Adet, double Bakiye, const std::string& barkod,
                                   double fiyat, double ind);
  TableReader* TumSiparislerVer(std::int32_t carino, std::int32_t stokno);

  // Account and sales-representative tools.
  TableReader* CariEkstreVer(std::int32_t carino);
  TableReader* CariAra(std::unique_ptr<TSonucBilgisi> bil, const std::string& aranan);
  TableReader* CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, std::int32_t n);
  std::int32_t SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
  TTusSonuclari* TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
  MemoryStream* RaporGetir(std::int32_t raporno, std::int32_t bolum, std::int32_t idno,
                           std::int32_t carino, const std::string& saticiadi, double tarih1,
                           double tarih2, std::int64_t& size);
  TableReader* RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                     double tarih2);
  TableReader* RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                        double tarih2);
  std::string CariDurumVer(std::int32_t carino);

  // Information.
  std::string KayanYaziGetir();
  TableReader* BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
  TAcilisEkranlariki* AcilisEkranlarVer2();
  MemoryStream* BannerResimVer(std::int64_t& size);
  MemoryStream* BannerResimVer2(std::int64_t& size);
  MemoryStream* BannerResimVer3(std::int64_t& size);
  std::int32_t AcilisReklamAdet();
  TAcilisEkran* AcilisREklamVer(std::int32_t sira);

  // How many commands this proxy has prepared: one per method it has called.
  int PrepareCount() const { return prepareCount_; }

 private:
  template <class Result, class... Args>
  Result Call(std::unique_ptr<DSCommand>& slot, const char* method, Args&&... args);
  DSCommand& PreparedCommand(std::unique_ptr<DSCommand>& slot, const char* method);

  Connection* FDBXConnection;
  const bool FInstanceOwner = true;
  int prepareCount_ = 0;

  std::unique_ptr<DSCommand> FEchoStringCommand;
  std::unique_ptr<DSCommand> FBuyukGetirCommand;
  std::unique_ptr<DSCommand> FMobilCariBilgisiGetirCommand;
  std::unique_ptr<DSCommand> FMailGonserCariCommand;
  std::unique_ptr<DSCommand> FMailGonserCariNormalCommand;
  std::unique_ptr<DSCommand> FStokAraGetirCommand;
  std::unique_ptr<DSCommand> FYenilerVer2Command;
  std::unique_ptr<DSCommand> FKampanyaliVer2Command;
  std::unique_ptr<DSCommand> FSepetEkle2Command;
  std::unique_ptr<DSCommand> FResimVer5Command;
  std::unique_ptr<DSCommand> FStokHareketVerCommand;
  std::unique_ptr<DSCommand> FSepetVer2Command;
  std::unique_ptr<DSCommand> FCariVadeGunGecmismiBulCommand;
  std::unique_ptr<DSCommand> FSepetSecimGuncelleCommand;
  std::unique_ptr<DSCommand> FSepetGuncelle2Command;
  std::unique_ptr<DSCommand> FSepetSatirSilCommand;
  std::unique_ptr<DSCommand> FSepetHepsiniSilCommand;
  std::unique_ptr<DSCommand> FTeslimVerCommand;
  std::unique_ptr<DSCommand> FKargoVerCommand;
  std::unique_ptr<DSCommand> FKargolarVerCommand;
  std::unique_ptr<DSCommand> FSiparisKaydetCommand;
  std::unique_ptr<DSCommand> FOncekiSiparislerCommand;
  std::unique_ptr<DSCommand> FSiparisAyrintisi2Command;
  std::unique_ptr<DSCommand> FSiparisAytintisiDipCommand;
  std::unique_ptr<DSCommand> FFaturaGetirCommand;
  std::unique_ptr<DSCommand> FFaturaAltGetirCommand;
  std::unique_ptr<DSCommand> FTahsilatCommand;
  std::unique_ptr<DSCommand> FSanalposSiranoVerCommand;
  std::unique_ptr<DSCommand> FSAnalPosPdfVerCommand;
  std::unique_ptr<DSCommand> FBakiyelerVer2Command;
  std::unique_ptr<DSCommand> FBakiyeDuzenleCommand;
  std::unique_ptr<DSCommand> FBakiyeDegistirCommand;
  std::unique_ptr<DSCommand> FBakiyeFiyatDegistirCommand;
  std::unique_ptr<DSCommand> FTumSiparislerVerCommand;
  std::unique_ptr<DSCommand> FCariEkstreVerCommand;
  std::unique_ptr<DSCommand> FCariAraCommand;
  std::unique_ptr<DSCommand> FCariSepetVerCommand;
  std::unique_ptr<DSCommand> FSepetSayisiCommand;
  std::unique_ptr<DSCommand> FTusSonuclariVerCommand;
  std::unique_ptr<DSCommand> FRaporGetirCommand;
  std::unique_ptr<DSCommand> FRaporAlinanSiparislerCommand;
  std::unique_ptr<DSCommand> FRaporEnCokSatilanStoklarCommand;
  std::unique_ptr<DSCommand> FCariDurumVerCommand;
  std::unique_ptr<DSCommand> FKayanYaziGetirCommand;
  std::unique_ptr<DSCommand> FBalonGetirCommand;
  std::unique_ptr<DSCommand> FAcilisEkranlarVer2Command;
  std::unique_ptr<DSCommand> FBannerResimVerCommand;
  std::unique_ptr<DSCommand> FBannerResimVer2Command;
  std::unique_ptr<DSCommand> FBannerResimVer3Command;
  std::unique_ptr<DSCommand> FAcilisReklamAdetCommand;
  std::unique_ptr<DSCommand> FAcilisREklamVerCommand;
};

}  // namespace zorvat
