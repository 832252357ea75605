// How record classes are declared. Each class lists its data fields once, in declaration
// order, with an X-macro; from that list come the private fields "F" + name, the
// properties, the "Set" + name setters and the field walk that the JSON object form uses.
//
//   #define TORNEK_ALANLARI(ALAN) ALAN(std::string, Adi) ALAN(std::int32_t, Sira)
//   class TOrnek { ZORVAT_KAYIT_SINIFI(TOrnek, "birim", TORNEK_ALANLARI) ... };
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#define ZORVAT_KAYIT_ALANI(Tur, Ad)                       \
 public:                                                  \
  const Tur& Ad() const { return F##Ad; }                 \
  void Set##Ad(const Tur& deger) { F##Ad = deger; }       \
                                                          \
 private:                                                 \
  Tur F##Ad{};

#define ZORVAT_KAYIT_ALANINI_GEZ(Tur, Ad) gezici("F" #Ad, F##Ad);

// Walks the fields as (JSON name, field) pairs, in declaration order.
#define ZORVAT_KAYIT_SINIFI(Sinif, Birim, ALANLAR)                        \
  ALANLAR(ZORVAT_KAYIT_ALANI)                                             \
                                                                          \
 public:                                                                  \
  static constexpr std::string_view kTur = Birim "." #Sinif;              \
  template <class Gezici>                                                 \
  void AlanlariGez(Gezici&& gezici) {                                     \
    ALANLAR(ZORVAT_KAYIT_ALANINI_GEZ)                                     \
  }                                                                       \
  template <class Gezici>                                                 \
  void AlanlariGez(Gezici&& gezici) const {                               \
    ALANLAR(ZORVAT_KAYIT_ALANINI_GEZ)                                     \
  }                                                                       \
  bool operator==(const Sinif&) const = default;
