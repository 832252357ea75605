// The computer's identity: names and addresses the machine reports, and the computer ID under
// which the server keeps the user's account.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zorvat {

// The six bytes of a network adapter's address.
using AdaptorAdresi = std::array<std::uint8_t, 6>;

// One adapter's answer to the status question: its address, or nothing when the question failed.
using AdaptorYaniti = std::optional<AdaptorAdresi>;

// What the machine reports about itself. One real implementation per system (`BuMakine`);
// tests hand the identity functions a scripted one.
class Makine {
 public:
  virtual ~Makine() = default;

  // The computer's (NetBIOS) name, at most 15 characters; empty when the system gives none.
  virtual std::string BilgisayarAdi() const = 0;
  // The name of the user running the process, in full; empty when the system gives none.
  virtual std::string KullaniciAdi() const = 0;
  // The first IPv4 address the machine's own host name resolves to, dotted;
  // "127.0.0.1" when the socket layer does not start or nothing resolves.
  virtual std::string IcIp() const = 0;
  // Serial number of the first physical disk as the system reports it; throws when there is none.
  virtual std::string DiskSeri() const = 0;
  // Asks the network adapters one after another, in the system's order, and hands each answer
  // to `yanit`; stops as soon as `yanit` returns false. Throws when the adapters cannot be listed.
  virtual void AdaptorleriSor(const std::function<bool(const AdaptorYaniti&)>& yanit) const = 0;
};

// The machine this process runs on.
const Makine& BuMakine();

#ifndef _WIN32
// The Linux machine with /sys and /run read under `kok` instead of "/", so that tests can lay
// out disks and adapters of their own.
std::unique_ptr<Makine> LinuxMakinesi(const std::filesystem::path& kok);
#endif

// The scan over the adapters' answers: the address of the first adapter whose address is not
// all zero. An adapter whose question failed leaves the result as it was, so a failure before any
// address was read ends the scan with no result.
class AdaptorTaramasi {
 public:
  // Takes the next adapter's answer; returns whether the next adapter should be asked.
  bool Ekle(const AdaptorYaniti& yanit);
  // Six two-digit upper-case hexadecimal numbers joined by "-"; empty when no adapter reported
  // a non-zero address.
  std::string Sonuc() const;

 private:
  std::string sonuc_;
};

// The identity functions. Each reads `makine` (this computer unless a test passes another).
std::string BilgisayarAdiAl(const Makine& makine = BuMakine());
std::string WindowsKullaniciAl(const Makine& makine = BuMakine());
std::string IcIpAl(const Makine& makine = BuMakine());
// The first disk's serial, upper case. Throws when the machine reports none.
std::string DiskSeriAl(const Makine& makine = BuMakine());
// The first non-zero adapter address (`AdaptorTaramasi`). Throws when the adapters cannot be listed.
std::string MacAdresiAl(const Makine& makine = BuMakine());
// The computer ID: the disk serial, else the adapter address, else empty; without any space;
// replaced by the alias ID for the two alias serials of the build. Never throws.
std::string BilgisayarIdAl(const Makine& makine = BuMakine());

}  // namespace zorvat
