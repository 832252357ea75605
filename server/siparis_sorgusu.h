// Orders as lists show them: one row per order with its choices by name and its totals.
// The previous orders of an account and the representatives' report of orders taken
// select these columns from kSiparisKaynagi.
#pragma once

#include <string_view>

#include "server/sonuc_sekli.h"

namespace zorvat::server::siparis {

using enum FieldType;

// The order `o` with its account `c`, the account's representative `sa`, the giver `k`, the
// delivery state `t`, the cargo type `kt`, the carrier `kg` and the state `d`.
inline constexpr std::string_view kSiparisKaynagi =
    "siparis o JOIN cari c ON c.carino = o.carino LEFT JOIN satici sa ON sa.satici_no = c.satici_no "
    "LEFT JOIN kullanici k ON k.sirano = o.veren_id LEFT JOIN teslim_durumu t ON t.kod = o.teslim "
    "LEFT JOIN kargo_turu kt ON kt.kod = o.kargo_turu LEFT JOIN kargo kg ON kg.sirano = o.kargo "
    "LEFT JOIN siparis_durumu d ON d.kod = o.durum";

inline constexpr Sutun CARINO{"CARINO", Integer, "o.carino"};
inline constexpr Sutun IDNO{"IDNO", Integer, "o.idno"};
inline constexpr Sutun TARIH{"TARIH", Date, "floor(o.tarih)"};
inline constexpr Sutun KUR{"KUR", String, "o.kur"};
inline constexpr Sutun KURTL{"KURTL", Float, "o.kurtl"};
inline constexpr Sutun VERENIDNO{"VERENIDNO", Integer, "o.veren_id"};
inline constexpr Sutun KARGO{"KARGO", String, "coalesce(kt.adi, '')"};
inline constexpr Sutun TESLIM{"TESLIM", String, "coalesce(t.adi, '')"};
inline constexpr Sutun VEREN{"VEREN", String, "coalesce(k.adi, '')"};
inline constexpr Sutun CARIKOD{"CARIKOD", String, "c.carikod"};
inline constexpr Sutun CARIADI{"CARIADI", String, "c.cariadi"};
// The totals of the lines: the VAT, the amount after discounts, and what the order costs
// with VAT (each line's VAT-inclusive total, so VERGI + NETTUTAR = TUTAR).
inline constexpr Sutun VERGI{"VERGI", Float,
                             "(SELECT yuvarla2(coalesce(sum(ss.vergitutari), 0)) FROM siparis_satir ss "
                             "WHERE ss.idno = o.idno)"};
inline constexpr Sutun NETTUTAR{"NETTUTAR", Float,
                                "(SELECT yuvarla2(coalesce(sum(ss.nettutar), 0)) FROM siparis_satir ss "
                                "WHERE ss.idno = o.idno)"};
inline constexpr Sutun TUTAR{"TUTAR", Float,
                             "(SELECT yuvarla2(coalesce(sum(ss.kdvlitutar), 0)) FROM siparis_satir ss "
                             "WHERE ss.idno = o.idno)"};
inline constexpr Sutun DURUM{"DURUM", String, "coalesce(d.adi, '')"};
inline constexpr Sutun KARGOADI{"KARGOADI", String, "coalesce(kg.adi, '')"};
inline constexpr Sutun VERENINNOTU{"VERENINNOTU", String, "o.aciklama"};
inline constexpr Sutun ALANNOTU{"ALANNOTU", String, "o.alan_notu"};
inline constexpr Sutun SATICIADI{"SATICIADI", String, "coalesce(sa.adi, '')"};

}  // namespace zorvat::server::siparis
