// The dialogs the logic asks for. The toolkit layer draws them; tests script the answers.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace zorvat {

// The standard dialog buttons.
enum class MsgDlgBtn : std::uint8_t { Yes, No, OK, Cancel, Abort, Retry, Ignore, YesToAll, NoToAll, Help };

class MsgDlgButtons {
 public:
  MsgDlgButtons(std::initializer_list<MsgDlgBtn> buttons) {
    for (MsgDlgBtn button : buttons) bits_ |= Bit(button);
  }
  bool Contains(MsgDlgBtn button) const { return (bits_ & Bit(button)) != 0; }

 private:
  static std::uint16_t Bit(MsgDlgBtn button) { return static_cast<std::uint16_t>(1u << static_cast<unsigned>(button)); }
  std::uint16_t bits_ = 0;
};

// Modal results of the message dialog.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrAll = 8;
inline constexpr int mrNoToAll = 9;
inline constexpr int mrYesToAll = 10;

// The system sound that goes with a message kind.
enum class MesajSesi : std::uint8_t { Unlem, Hata, Bilgi, Soru };

struct MesajDugmesi {
  MsgDlgBtn dugme;
  std::string baslik;
  int sonuc;  // the modal result; Help has none: it shows help and leaves the dialog open
};

// Everything the message dialog shows and how it answers.
struct MesajPenceresi {
  std::string metin;
  int tur = 0;  // 0 warning, 1 error, 2 information, 3 question
  std::string baslik;
  MesajSesi ses = MesajSesi::Unlem;
  std::vector<MesajDugmesi> dugmeler;   // in the dialog's own order
  std::vector<MsgDlgBtn> sekmeSirasi;   // the tab order: the tab-first button leads
  MsgDlgBtn odak = MsgDlgBtn::OK;       // the button that has the focus when it opens
  int escapeSonucu = mrCancel;          // what Escape answers
  int kapatmaSonucu = mrCancel;         // what the close box answers
};

// What a save-file dialog offers: one filter, no default extension, no initial folder and
// no question before overwriting.
struct KayitDosyasiIstegi {
  std::string filtreAciklamasi;  // "Excel"
  std::string filtreDeseni;      // "*.xls*"
};

// A window's state (ui/state/controls.h); the toolkit layer knows how to show each kind.
class FormState;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the message dialog modally and returns the pressed button's result.
  virtual int MesajPenceresiGoster(const MesajPenceresi& pencere) = 0;
  // The platform's plain message box with one OK button.
  virtual void DuzMesajGoster(const std::string& metin) = 0;
  // The platform's standard warning dialog with one OK button.
  virtual void UyariGoster(const std::string& metin) = 0;
  // The save-file dialog; the chosen file (UTF-8), nothing when cancelled.
  virtual std::optional<std::string> KayitDosyasiSor(const KayitDosyasiIstegi& istek) = 0;
  // Shows the window modally and returns its modal result.
  virtual int PencereGoster(FormState& pencere) = 0;
};

}  // namespace zorvat
