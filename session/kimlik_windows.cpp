// The machine as Windows reports it: computer and user name, Windows Sockets 1.1 name
// resolution, the first physical disk through WMI and the adapters through NetBIOS.
#include <winsock2.h>
#include <windows.h>
#include <nb30.h>
#include <objbase.h>
#include <oleauto.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "session/kimlik.h"
#include "session/platform_metin.h"

namespace zorvat {

namespace {

constexpr const wchar_t* kWmiMonikeri = LR"(winmgmts:\\localhost\root\CIMV2)";
constexpr const wchar_t* kDiskSorgusu =
    LR"(SELECT SerialNumber FROM Win32_DiskDrive WHERE DeviceID="\\\\.\\PHYSICALDRIVE0")";

// The adapter status answer holds the adapter's address first; 60 bytes leave no room for its
// name table, so "buffer too small" is an answer too.
constexpr WORD kDurumTamponu = 60;

[[noreturn]] void DiskHatasi(const char* adim) {
  throw std::runtime_error(std::string("Disk seri numarası okunamadı: ") + adim);
}

void Kontrol(HRESULT sonuc, const char* adim) {
  if (FAILED(sonuc)) DiskHatasi(adim);
}

// COM for the calling thread, released when the question is done, also on failure. A thread
// whose COM already runs in another apartment mode can still ask; it is not released then.
class ComOturumu {
 public:
  ComOturumu() : sonuc_(CoInitialize(nullptr)) {}
  ~ComOturumu() {
    if (SUCCEEDED(sonuc_)) CoUninitialize();
  }
  ComOturumu(const ComOturumu&) = delete;
  ComOturumu& operator=(const ComOturumu&) = delete;

 private:
  HRESULT sonuc_;
};

struct ComBirak {
  void operator()(IUnknown* nesne) const { nesne->Release(); }
};
template <class T>
using ComRef = std::unique_ptr<T, ComBirak>;

// A VARIANT that clears itself.
struct Degisken {
  Degisken() { VariantInit(&deger); }
  ~Degisken() { VariantClear(&deger); }
  Degisken(const Degisken&) = delete;
  Degisken& operator=(const Degisken&) = delete;
  VARIANT deger;
};

// Late-bound call of a member of an automation object, as the WMI scripting objects expect.
void Cagir(IDispatch* nesne, DISPID uye, WORD tur, VARIANT* arguman, VARIANT* sonuc) {
  DISPPARAMS parametreler{arguman, nullptr, arguman ? 1u : 0u, 0};
  Kontrol(nesne->Invoke(uye, IID_NULL, LOCALE_USER_DEFAULT, tur, &parametreler, sonuc, nullptr,
                        nullptr),
          "çağrı");
}

void Cagir(IDispatch* nesne, const wchar_t* ad, WORD tur, VARIANT* arguman, VARIANT* sonuc) {
  DISPID uye = 0;
  LPOLESTR adi = const_cast<LPOLESTR>(ad);
  Kontrol(nesne->GetIDsOfNames(IID_NULL, &adi, 1, LOCALE_USER_DEFAULT, &uye), "üye adı");
  Cagir(nesne, uye, tur, arguman, sonuc);
}

template <class T>
ComRef<T> Arayuz(IUnknown* nesne, REFIID kimlik) {
  void* arayuz = nullptr;
  if (!nesne) DiskHatasi("boş nesne");
  Kontrol(nesne->QueryInterface(kimlik, &arayuz), "arayüz");
  return ComRef<T>(static_cast<T*>(arayuz));
}

ComRef<IDispatch> WmiServisi() {
  IBindCtx* baglam = nullptr;
  Kontrol(CreateBindCtx(0, &baglam), "bağlam");
  ComRef<IBindCtx> baglamRef(baglam);
  IMoniker* moniker = nullptr;
  ULONG okunan = 0;
  Kontrol(MkParseDisplayName(baglam, kWmiMonikeri, &okunan, &moniker), "WMI adı");
  ComRef<IMoniker> monikerRef(moniker);
  void* servis = nullptr;
  Kontrol(moniker->BindToObject(baglam, nullptr, IID_IDispatch, &servis), "WMI servisi");
  return ComRef<IDispatch>(static_cast<IDispatch*>(servis));
}

std::string SeriNumarasi(IDispatch* disk) {
  Degisken seri;
  Cagir(disk, L"SerialNumber", DISPATCH_PROPERTYGET, nullptr, &seri.deger);
  if (seri.deger.vt == VT_NULL || seri.deger.vt == VT_EMPTY) DiskHatasi("seri yok");
  Kontrol(VariantChangeType(&seri.deger, &seri.deger, 0, VT_BSTR), "seri metni");
  return platform::Utf8({seri.deger.bstrVal, SysStringLen(seri.deger.bstrVal)});
}

std::string IlkDiskinSerisi() {
  ComOturumu com;
  ComRef<IDispatch> servis = WmiServisi();
  Degisken sorgu;
  sorgu.deger.vt = VT_BSTR;
  sorgu.deger.bstrVal = SysAllocString(kDiskSorgusu);
  Degisken kume;
  Cagir(servis.get(), L"ExecQuery", DISPATCH_METHOD, &sorgu.deger, &kume.deger);
  if (kume.deger.vt != VT_DISPATCH) DiskHatasi("sorgu sonucu");
  Degisken sayici;
  Cagir(kume.deger.pdispVal, DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr,
        &sayici.deger);
  auto diskler = Arayuz<IEnumVARIANT>(sayici.deger.punkVal, IID_IEnumVARIANT);
  std::optional<std::string> seri;
  for (Degisken disk; diskler->Next(1, &disk.deger, nullptr) == S_OK;
       VariantClear(&disk.deger)) {
    seri = SeriNumarasi(Arayuz<IDispatch>(disk.deger.punkVal, IID_IDispatch).get());
  }
  if (!seri) DiskHatasi("disk yok");
  return *seri;
}

AdaptorYaniti AdaptorDurumu(UCHAR lana) {
  NCB istek{};
  istek.ncb_command = NCBRESET;
  istek.ncb_lana_num = lana;
  Netbios(&istek);

  UCHAR durum[kDurumTamponu] = {};
  istek = NCB{};
  istek.ncb_command = NCBASTAT;
  istek.ncb_lana_num = lana;
  std::fill(std::begin(istek.ncb_callname), std::end(istek.ncb_callname), ' ');
  istek.ncb_callname[0] = '*';
  istek.ncb_buffer = durum;
  istek.ncb_length = kDurumTamponu;
  const UCHAR sonuc = Netbios(&istek);
  if (sonuc != NRC_GOODRET && sonuc != NRC_BUFLEN) return std::nullopt;
  AdaptorAdresi adres{};
  std::copy_n(durum, adres.size(), adres.begin());
  return adres;
}

class WindowsMakine final : public Makine {
 public:
  std::string BilgisayarAdi() const override {
    wchar_t ad[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD boy = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(ad, &boy) ? platform::Utf8({ad, boy}) : std::string();
  }

  // Read into room for 15 characters first; a longer name, which the system refuses to put
  // there, is read again into the room the system asks for and comes back whole.
  std::string KullaniciAdi() const override {
    std::wstring ad(15 + 1, L'\0');
    DWORD boy = static_cast<DWORD>(ad.size());
    if (!GetUserNameW(ad.data(), &boy)) {
      if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
      ad.resize(boy);
      if (!GetUserNameW(ad.data(), &boy)) return {};
    }
    ad.resize(boy > 0 ? boy - 1 : 0);  // the count includes the terminating zero
    return platform::Utf8(ad);
  }

  std::string IcIp() const override {
    WSADATA bilgi;
    if (WSAStartup(MAKEWORD(1, 1), &bilgi) != 0) return "127.0.0.1";
    std::string sonuc = "127.0.0.1";
    char ad[256] = {};
    if (gethostname(ad, sizeof ad - 1) == 0) {
      const hostent* makine = gethostbyname(ad);
      if (makine && makine->h_addrtype == AF_INET && makine->h_addr_list[0]) {
        sonuc = inet_ntoa(*reinterpret_cast<const in_addr*>(makine->h_addr_list[0]));
      }
    }
    WSACleanup();
    return sonuc;
  }

  std::string DiskSeri() const override { return IlkDiskinSerisi(); }

  void AdaptorleriSor(const std::function<bool(const AdaptorYaniti&)>& yanit) const override {
    LANA_ENUM liste{};
    NCB istek{};
    istek.ncb_command = NCBENUM;
    istek.ncb_buffer = reinterpret_cast<PUCHAR>(&liste);
    istek.ncb_length = sizeof liste;
    if (Netbios(&istek) != NRC_GOODRET) throw std::runtime_error("Ağ bağdaştırıcıları listelenemedi");
    for (UCHAR sira = 0; sira < liste.length; ++sira) {
      if (!yanit(AdaptorDurumu(liste.lana[sira]))) return;
    }
  }
};

}  // namespace

const Makine& BuMakine() {
  static const WindowsMakine makine;
  return makine;
}

}  // namespace zorvat
