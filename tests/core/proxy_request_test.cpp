// Every proxy method sends its input parameters in declaration order with the right JSON
// kinds. The expected bodies are written by hand from the method catalogue.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "net/connection.h"
#include "remote/method_catalogue.h"
#include "remote/proxim.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

// The session record every call below sends, in its JSON form.
const std::string kBilgi =
    R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"ZV-1","FSaticiMail":"",)"
    R"("FSirano":12,"FCariAdi":"ÖZ GÜNEŞ OTO","FSIFRE":"","FSaticiNo":0,"FCARINO":1042,"FAKTIF":1,)"
    R"("FKullanicimail":"","FADI":"AHMET","FSaticiTelefon":"","Fcarikod":"","FVarmi":true,)"
    R"("FSaticiAdi":"","FBilgiSayarAdi":"","FDisip":"","FIcip":"","FBilgisayarKullanici":"",)"
    R"("FMusteriTipi":2,"FVersion":3}})";

std::unique_ptr<TSonucBilgisi> Bilgi() {
  auto bilgi = std::make_unique<TSonucBilgisi>();
  bilgi->SetBILGISAYARID("ZV-1");
  bilgi->SetSirano(12);
  bilgi->SetCariAdi("ÖZ GÜNEŞ OTO");
  bilgi->SetCARINO(1042);
  bilgi->SetAKTIF(1);
  bilgi->SetADI("AHMET");
  bilgi->SetVarmi(true);
  bilgi->SetMusteriTipi(2);
  bilgi->SetVersion(3);
  return bilgi;
}

std::string Body(const std::string& parameters) { return R"({"_parameters":[)" + parameters + "]}"; }

// A well-formed answer for any method: empty values of its output kinds.
test::StubAnswer EmptyAnswer(const std::string& name, const std::string&) {
  const MethodDecl* method = FindRemoteMethod(name);
  if (method == nullptr) return {404, R"({"error":"Method TServerMethods1.)" + name + R"( not found"})"};
  std::vector<ValueKind> kinds;
  for (const ParamDecl& p : method->params) {
    if (p.output) kinds.push_back(p.kind);
  }
  if (method->result != ValueKind::None) kinds.push_back(method->result);
  std::string values;
  for (ValueKind kind : kinds) {
    if (!values.empty()) values += ',';
    switch (kind) {
      case ValueKind::Text:
      case ValueKind::Stream:
        values += R"("")";
        break;
      case ValueKind::Boolean:
        values += "false";
        break;
      case ValueKind::Record:
        values += "null";
        break;
      case ValueKind::Table:
      case ValueKind::Packet:
        values += R"({"columns":[],"rows":[]})";
        break;
      default:
        values += "0";
    }
  }
  return {200, R"({"result":[)" + values + "]}"};
}

struct RequestCase {
  const char* method;
  std::function<void(TServerMethods1Client&)> call;
  std::string body;
};

std::vector<RequestCase> AllRequests() {
  std::int64_t length = 0;
  const std::string mail =
      R"("ZV-1","Şifre Değiştirme İsteği","ÖZ GÜNEŞ OTO","Sanayi Cad. 5","Kat 2","Bağcılar","İSTANBUL",)"
      R"("0212","0213","Şişli","123","Ayşe","AYSE","1234","a@b.c","")";
  const auto mailCall = [](auto method) {
    return [method](TServerMethods1Client& p) {
      (p.*method)("ZV-1", "Şifre Değiştirme İsteği", "ÖZ GÜNEŞ OTO", "Sanayi Cad. 5", "Kat 2",
                  "Bağcılar", "İSTANBUL", "0212", "0213", "Şişli", "123", "Ayşe", "AYSE", "1234",
                  "a@b.c", "");
    };
  };
  return {
      {"BuyukGetir", [](auto& p) { p.BuyukGetir("00-1A-2B"); }, Body(R"("00-1A-2B")")},
      {"MobilCariBilgisiGetir", [](auto& p) { p.MobilCariBilgisiGetir(0, "ZV-1"); },
       Body(R"(0,"ZV-1")")},
      {"MailGonserCari", mailCall(&TServerMethods1Client::MailGonserCari), Body(mail)},
      {"MailGonserCariNormal",
       [](auto& p) {
         p.MailGonserCariNormal("ZV-1", "Konu", "F", "A1", "A2", "I", "S", "T", "X", "V", "N", "Y",
                                "K", "P", "M", "", "satır 1,\"satır 2\"");
       },
       Body(R"("ZV-1","Konu","F","A1","A2","I","S","T","X","V","N","Y","K","P","M","","satır 1,\"satır 2\"")")},
      {"StokAraGetir", [](auto& p) { p.StokAraGetir("FREN BALATA", Bilgi()); },
       Body(R"("FREN BALATA",)" + kBilgi)},
      {"YenilerVer2", [](auto& p) { p.YenilerVer2(1042); }, Body("1042")},
      {"KampanyaliVer2", [](auto& p) { p.KampanyaliVer2(1042, 4); }, Body("1042,4")},
      {"SepetEkle2",
       [](auto& p) {
         p.SepetEkle2(Bilgi(), 1042, 101, "BRK-1", "ÖN BALATA", 3, 20, 412.5, 10, 12, 1, 5, 0, 2.5);
       },
       Body(kBilgi + R"(,1042,101,"BRK-1","ÖN BALATA",3,20,412.5,10,12,1,5,0,2.5)")},
      {"ResimVer5", [length](auto& p) mutable { p.ResimVer5(101, length); }, Body("101")},
      {"StokHareketVer", [](auto& p) { p.StokHareketVer(1042, 101); }, Body("1042,101")},
      {"SepetVer2", [](auto& p) { p.SepetVer2(1042); }, Body("1042")},
      {"CariVadeGunGecmismiBul", [](auto& p) { p.CariVadeGunGecmismiBul(1042); }, Body("1042")},
      {"SepetSecimGuncelle", [](auto& p) { p.SepetSecimGuncelle(77, 1); }, Body("77,1")},
      {"SepetGuncelle2",
       [](auto& p) {
         p.SepetGuncelle2(Bilgi(), 1042, 0, "BRK-1", "ÖN BALATA", 1.5, 20, 99.99, 0, 12, 77, 0, 0, 0);
       },
       Body(kBilgi + R"(,1042,0,"BRK-1","ÖN BALATA",1.5,20,99.99,0,12,77,0,0,0)")},
      {"SepetSatirSil", [](auto& p) { p.SepetSatirSil(Bilgi(), 77, "BRK-1-ÖN BALATA"); },
       Body(kBilgi + R"(,77,"BRK-1-ÖN BALATA")")},
      {"SepetHepsiniSil", [](auto& p) { p.SepetHepsiniSil(Bilgi()); }, Body(kBilgi)},
      {"TeslimVer", [](auto& p) { p.TeslimVer(); }, Body("")},
      {"KargoVer", [](auto& p) { p.KargoVer(); }, Body("")},
      {"KargolarVer", [](auto& p) { p.KargolarVer(2); }, Body("2")},
      {"SiparisKaydet",
       [](auto& p) { p.SiparisKaydet(Bilgi(), 1042, 1, 2, "Öğleden önce", 12, 5); },
       Body(kBilgi + R"(,1042,1,2,"Öğleden önce",12,5)")},
      {"OncekiSiparisler", [](auto& p) { p.OncekiSiparisler(1042); }, Body("1042")},
      {"SiparisAyrintisi2", [](auto& p) { p.SiparisAyrintisi2(1042, 5001); }, Body("1042,5001")},
      {"SiparisAytintisiDip", [](auto& p) { p.SiparisAytintisiDip(0, 5001); }, Body("0,5001")},
      {"FaturaGetir", [](auto& p) { p.FaturaGetir(1042, 9001); }, Body("1042,9001")},
      {"FaturaAltGetir", [](auto& p) { p.FaturaAltGetir(9001); }, Body("9001")},
      {"Tahsilat", [](auto& p) { p.Tahsilat(7001); }, Body("7001")},
      {"SanalposSiranoVer", [](auto& p) { p.SanalposSiranoVer(7001); }, Body("7001")},
      {"SAnalPosPdfVer", [length](auto& p) mutable { p.SAnalPosPdfVer(3, length); }, Body("3")},
      {"BakiyelerVer2", [](auto& p) { p.BakiyelerVer2(1042); }, Body("1042")},
      {"BakiyeDuzenle", [](auto& p) { p.BakiyeDuzenle(Bilgi(), 101, 0, 5001, 4, 2, "BRK-1"); },
       Body(kBilgi + R"(,101,0,5001,4,2,"BRK-1")")},
      {"BakiyeDegistir", [](auto& p) { p.BakiyeDegistir(Bilgi(), 101, 0, 5001, 4, 2, "BRK-1"); },
       Body(kBilgi + R"(,101,0,5001,4,2,"BRK-1")")},
      {"BakiyeFiyatDegistir",
       [](auto& p) { p.BakiyeFiyatDegistir(Bilgi(), 101, 0, 5001, 4, 2, "BRK-1", 120.75, 7.5); },
       Body(kBilgi + R"(,101,0,5001,4,2,"BRK-1",120.75,7.5)")},
      {"TumSiparislerVer", [](auto& p) { p.TumSiparislerVer(1042, 101); }, Body("1042,101")},
      {"CariEkstreVer", [](auto& p) { p.CariEkstreVer(1042); }, Body("1042")},
      {"CariAra", [](auto& p) { p.CariAra(Bilgi(), "GÜNEŞ"); }, Body(kBilgi + R"(,"GÜNEŞ")")},
      {"CariSepetVer", [](auto& p) { p.CariSepetVer(Bilgi(), 3); }, Body(kBilgi + ",3")},
      {"SepetSayisi", [](auto& p) { p.SepetSayisi(Bilgi()); }, Body(kBilgi)},
      {"TusSonuclariVer", [](auto& p) { p.TusSonuclariVer(Bilgi()); }, Body(kBilgi)},
      {"RaporGetir",
       [length](auto& p) mutable { p.RaporGetir(2, 2, 12, 1042, "Gökhan", 46000, 46030.5, length); },
       Body(R"(2,2,12,1042,"Gökhan",46000,46030.5)")},
      {"RaporAlinanSiparisler", [](auto& p) { p.RaporAlinanSiparisler(Bilgi(), 46000, 46030.999); },
       Body(kBilgi + ",46000,46030.999")},
      {"RaporEnCokSatilanStoklar",
       [](auto& p) { p.RaporEnCokSatilanStoklar(Bilgi(), 45000.25, 46000); },
       Body(kBilgi + ",45000.25,46000")},
      {"CariDurumVer", [](auto& p) { p.CariDurumVer(1042); }, Body("1042")},
      {"KayanYaziGetir", [](auto& p) { p.KayanYaziGetir(); }, Body("")},
      {"BalonGetir", [](auto& p) { p.BalonGetir(Bilgi()); }, Body(kBilgi)},
      {"AcilisEkranlarVer2", [](auto& p) { p.AcilisEkranlarVer2(); }, Body("")},
      {"BannerResimVer", [length](auto& p) mutable { p.BannerResimVer(length); }, Body("")},
      {"BannerResimVer2", [length](auto& p) mutable { p.BannerResimVer2(length); }, Body("")},
      {"BannerResimVer3", [length](auto& p) mutable { p.BannerResimVer3(length); }, Body("")},
      {"AcilisReklamAdet", [](auto& p) { p.AcilisReklamAdet(); }, Body("")},
      {"AcilisREklamVer", [](auto& p) { p.AcilisREklamVer(0); }, Body("0")},
  };
}

class ProxyRequestTest : public ::testing::Test {
 protected:
  ProxyRequestTest() : server(EmptyAnswer) {
    connection.Params().HostName = "127.0.0.1";
    connection.Params().Port = std::to_string(server.Port());
    connection.Open();
  }

  test::StubServer server;
  Connection connection;
};

TEST_F(ProxyRequestTest, EveryMethodSendsItsParametersInOrder) {
  TServerMethods1Client proxy(&connection);
  const auto cases = AllRequests();
  for (const RequestCase& c : cases) {
    c.call(proxy);
    const auto requests = server.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().method, c.method);
    EXPECT_EQ(requests.back().body, c.body) << c.method;
  }
}

TEST_F(ProxyRequestTest, TheCasesCoverEveryMethodOfTheClient) {
  std::set<std::string> called;
  for (const RequestCase& c : AllRequests()) called.insert(c.method);
  EXPECT_EQ(called.size(), 50u);
  for (const MethodDecl& method : RemoteMethods()) {
    if (method.name == "EchoString" || method.name == "ReverseString") continue;
    EXPECT_TRUE(called.contains(std::string(method.name))) << method.name;
  }
}

TEST_F(ProxyRequestTest, EachMethodIsPreparedOncePerProxy) {
  const auto cases = AllRequests();
  TServerMethods1Client first(&connection);
  for (int round = 0; round < 2; ++round) {
    for (const RequestCase& c : cases) c.call(first);
  }
  EXPECT_EQ(first.PrepareCount(), 50);

  TServerMethods1Client second(&connection);
  cases.front().call(second);
  cases.front().call(second);
  EXPECT_EQ(second.PrepareCount(), 1);
}

TEST_F(ProxyRequestTest, AnAbsentObjectArgumentGoesOutAsNull) {
  TServerMethods1Client proxy(&connection);
  proxy.SepetHepsiniSil(nullptr);
  proxy.StokAraGetir("SOK", nullptr);
  const auto requests = server.Requests();
  EXPECT_EQ(requests[0].body, Body("null"));
  EXPECT_EQ(requests[1].body, Body(R"("SOK",null)"));
}

TEST_F(ProxyRequestTest, EchoStringAnswers) {
  TServerMethods1Client proxy(&connection);
  EXPECT_EQ(proxy.EchoString("ping"), "ping");
}

TEST_F(ProxyRequestTest, NonFiniteNumbersAreNeverSent) {
  TServerMethods1Client proxy(&connection);
  EXPECT_THROW(proxy.RaporAlinanSiparisler(Bilgi(), std::nan(""), 1), std::invalid_argument);
  EXPECT_TRUE(server.Requests().empty());
}

TEST(ProxyTest, RefusesAMissingConnection) {
  try {
    TServerMethods1Client proxy(nullptr);
    FAIL();
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "Connection cannot be nil.  Make sure the connection has been opened.");
  }
}

}  // namespace
}  // namespace zorvat
