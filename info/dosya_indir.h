// The update download window "Dosya İndir": an outdated client fetches the new setup
// program, starts it with "/silent" and ends, so that the setup can replace it. There is no
// way to decline; both success and failure end the program.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "net/klasorler.h"
#include "ui/state/controls.h"
#include "zorvat_config.h"

namespace zorvat {

// Where the new version comes from and where it is saved.
struct IndirmeAyari {
  std::string adres = std::string("http://") + yapi::kIndirmeHost + "/exe/ZorvatOtoSetup.exe";
  std::filesystem::path dosya;  // the local application-data folder's ZorvatOtoSetup.exe
  // Only Windows can run the setup program; elsewhere the window says so and the program
  // ends after the user has had time to read where the file is.
  bool kurulumCalisir = kBuSistem == Sistem::Windows;
  std::chrono::milliseconds okumaSuresi{10000};
};

// The window's HTTP settings for one GET; `ilerleme` hears the total length (0 when unknown)
// and the bytes read so far. The body, or an exception with the error text when the request
// fails or the server answers anything but 200.
std::string HttpIndir(const std::string& adres,
                      const std::function<void(std::int64_t toplam, std::int64_t okunan)>& ilerleme);

class Tdosyaindir : public FormState {
 public:
  // Yeni: the notice for the server's version `_y`, and the request address.
  Tdosyaindir(int _y, IndirmeAyari ayar);

  // Starts the download once, however often the window is activated.
  void FormActivate();
  // Progress of the download; only a known total length moves the label and the bar.
  void NetHTTPClient1ReceiveData(std::int64_t AContentLength, std::int64_t AReadCount);
  // A failed request: the error, then the end of the program.
  void NetHTTPClient1RequestError(const std::string& AError);

  LabelState sLabel1;
  LabelState bilgi;
  ProgressBarState ProgressBar1;
  bool basladi = false;

 private:
  void Indirildi(const std::string& govde);
  void KurulumuBaslat();

  IndirmeAyari ayar_;
};

}  // namespace zorvat
