#include "remote/method_catalogue.h"

#include <algorithm>

namespace zorvat {

namespace {

using enum ValueKind;

constexpr std::string_view kSonucBilgisi = "baglantiu.TSonucBilgisi";

ParamDecl Out(std::string_view name) { return {name, Int64, true}; }

// The text parameters shared by both mail requests, in their order.
std::vector<ParamDecl> MailParams() {
  std::vector<ParamDecl> params;
  for (std::string_view name : {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir",
                                "telefon", "fax", "vd", "vn", "yetkili", "kullaniciadi", "sifre",
                                "mail", "kargoambar"}) {
    params.push_back({name, Text});
  }
  return params;
}

std::vector<ParamDecl> WithMore(std::vector<ParamDecl> params, std::vector<ParamDecl> more) {
  params.insert(params.end(), more.begin(), more.end());
  return params;
}

// The seven parameters of every order balance change.
std::vector<ParamDecl> BakiyeParams() {
  return {{"k", Record},       {"stokno", Integer}, {"sepetsirano", Integer},
          {"siparissirano", Integer}, {"Adet", Double}, {"Bakiye", Double}, {"barkod", Text}};
}

// The fourteen parameters of adding and changing a basket line; they differ only in the
// name of the eleventh.
std::vector<ParamDecl> SepetSatiriParams(std::string_view eleventh) {
  return {{"bilgim", Record}, {"carino", Integer}, {"stokno", Integer}, {"barkod", Text},
          {"stokadi", Text},  {"miktar", Double},  {"kdv", Double},     {"fiyat", Double},
          {"ind1", Double},   {"verenid", Integer}, {eleventh, Integer}, {"ind2", Double},
          {"ind3", Double},   {"ind4", Double}};
}

std::vector<MethodDecl> BuildCatalogue() {
  return {
      {"EchoString", {{"Value", Text}}, Text},
      {"ReverseString", {{"Value", Text}}, Text},
      // Login, registration and mail.
      {"BuyukGetir", {{"idsi", Text}}, Record, kSonucBilgisi},
      {"MobilCariBilgisiGetir", {{"sirano", Integer}, {"_idsi", Text}}, Record,
       "mobilstokunit.TMobilCariBilgisi"},
      {"MailGonserCari", MailParams(), Integer},
      {"MailGonserCariNormal", WithMore(MailParams(), {{"konu", Text}}), Integer},
      // Catalogue.
      {"StokAraGetir", {{"kod", Text}, {"bilgi", Record}}, Packet},
      {"YenilerVer2", {{"carino", Integer}}, Packet},
      {"KampanyaliVer2", {{"cario", Integer}, {"satici", Integer}}, Packet},
      {"SepetEkle2", SepetSatiriParams("k"), Integer},
      {"ResimVer5", {{"stokno", Integer}, Out("boy")}, Stream},
      {"StokHareketVer", {{"carino", Integer}, {"stokno", Integer}}, Packet},
      // Basket and ordering.
      {"SepetVer2", {{"carino", Integer}}, Packet},
      {"CariVadeGunGecmismiBul", {{"carino", Integer}}, Text},
      {"SepetSecimGuncelle", {{"sirano", Integer}, {"secim", Integer}}, None},
      {"SepetGuncelle2", SepetSatiriParams("_sepetsirano"), Integer},
      {"SepetSatirSil", {{"bilgi", Record}, {"satirno", Integer}, {"aciklamam", Text}}, Integer},
      {"SepetHepsiniSil", {{"bilgi", Record}}, Integer},
      {"TeslimVer", {}, Table},
      {"KargoVer", {}, Table},
      {"KargolarVer", {{"gn", Integer}}, Table},
      {"SiparisKaydet",
       {{"BB", Record}, {"_carino", Integer}, {"_teslim", Integer}, {"_kargo", Integer},
        {"_aciklama", Text}, {"_verenid", Integer}, {"_kargoyeni", Integer}},
       Boolean},
      // Order history and documents.
      {"OncekiSiparisler", {{"carino", Integer}}, Table},
      {"SiparisAyrintisi2", {{"carino", Integer}, {"idnosu", Integer}}, Table},
      {"SiparisAytintisiDip", {{"carino", Integer}, {"siranosu", Integer}}, Record,
       "baglantiu.TSiparisDipAyrinti"},
      {"FaturaGetir", {{"carino", Integer}, {"idnosu", Integer}}, Table},
      {"FaturaAltGetir", {{"idnosu", Integer}}, Table},
      {"Tahsilat", {{"idnosu", Integer}}, Table},
      {"SanalposSiranoVer", {{"idnosu", Integer}}, Integer},
      {"SAnalPosPdfVer", {{"sirano", Integer}, Out("boy")}, Stream},
      {"BakiyelerVer2", {{"carino", Integer}}, Table},
      {"BakiyeDuzenle", BakiyeParams(), Integer},
      {"BakiyeDegistir", BakiyeParams(), Integer},
      {"BakiyeFiyatDegistir", WithMore(BakiyeParams(), {{"fiyat", Double}, {"ind", Double}}),
       Integer},
      {"TumSiparislerVer", {{"carino", Integer}, {"stokno", Integer}}, Table},
      // Account and sales-representative tools.
      {"CariEkstreVer", {{"carino", Integer}}, Table},
      {"CariAra", {{"bil", Record}, {"aranan", Text}}, Table},
      {"CariSepetVer", {{"bil", Record}, {"n", Integer}}, Table},
      {"SepetSayisi", {{"bil", Record}}, Integer},
      {"TusSonuclariVer", {{"bil", Record}}, Record, "baglantiu.TTusSonuclari"},
      {"RaporGetir",
       {{"raporno", Integer}, {"bolum", Integer}, {"idno", Integer}, {"carino", Integer},
        {"saticiadi", Text}, {"tarih1", Double}, {"tarih2", Double}, Out("size")},
       Stream},
      {"RaporAlinanSiparisler", {{"bilgi", Record}, {"tarih1", Double}, {"tarih2", Double}}, Table},
      {"RaporEnCokSatilanStoklar", {{"bilgi", Record}, {"tarih1", Double}, {"tarih2", Double}},
       Table},
      {"CariDurumVer", {{"carino", Integer}}, Text},
      // Information.
      {"KayanYaziGetir", {}, Text},
      {"BalonGetir", {{"bil", Record}}, Table},
      {"AcilisEkranlarVer2", {}, Record, "mobilstokunit.TAcilisEkranlariki"},
      {"BannerResimVer", {Out("size")}, Stream},
      {"BannerResimVer2", {Out("size")}, Stream},
      {"BannerResimVer3", {Out("size")}, Stream},
      {"AcilisReklamAdet", {}, Integer},
      {"AcilisREklamVer", {{"sira", Integer}}, Record, "mobilstokunit.TAcilisEkran"},
  };
}

}  // namespace

std::size_t MethodDecl::InputCount() const {
  return static_cast<std::size_t>(
      std::count_if(params.begin(), params.end(), [](const ParamDecl& p) { return !p.output; }));
}

std::size_t MethodDecl::OutputCount() const {
  return params.size() - InputCount() + (result == ValueKind::None ? 0 : 1);
}

std::span<const MethodDecl> RemoteMethods() {
  static const std::vector<MethodDecl> catalogue = BuildCatalogue();
  return catalogue;
}

const MethodDecl* FindRemoteMethod(std::string_view name) {
  for (const MethodDecl& method : RemoteMethods()) {
    if (method.name == name) return &method;
  }
  return nullptr;
}

}  // namespace zorvat
