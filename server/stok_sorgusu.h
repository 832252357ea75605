// The stock lists (search, new items, campaign items) priced for one account, and the
// stock columns that the lists and the basket share.
//
// A priced list selects from a row `s` that holds the stock item's columns and its price
// for the account: fiyat (the campaign price for campaign items, the list price for the
// others), i1 to i4 (the account's chained rates; none for campaign items) and netfiyat
// (the price after them). The basket joins the stock item as `s` too, so the columns
// that only read the stock item serve both.
#pragma once

#include <string>
#include <string_view>

#include "server/sonuc_sekli.h"

namespace zorvat::server::stok {

using enum FieldType;

// Columns of the stock item.
inline constexpr Sutun DURUM{"DURUM", SmallInt, "s.durum"};
inline constexpr Sutun DEPO2{"DEPO2", String, "s.depo2"};
inline constexpr Sutun OEM1{"OEM1", String, "s.oem1"};
inline constexpr Sutun OEM2{"OEM2", String, "s.oem2"};
inline constexpr Sutun OEM3{"OEM3", String, "s.oem3"};
inline constexpr Sutun OEM4{"OEM4", String, "s.oem4"};
inline constexpr Sutun BARKOD{"BARKOD", String, "s.barkod"};
inline constexpr Sutun ADI{"ADI", String, "s.adi"};
inline constexpr Sutun STOK_STOKNO{"STOK_STOKNO", Integer, "s.stokno"};
inline constexpr Sutun FINISHKOD{"FINISHKOD", String, "s.finishkod"};
inline constexpr Sutun URETICIKODU{"URETICIKODU", String, "s.ureticikodu"};
inline constexpr Sutun RESIM{"RESIM", SmallInt, "EXISTS (SELECT 1 FROM stok_resim r WHERE r.stokno = s.stokno)"};
inline constexpr Sutun BARKOD_BARKODNO{"BARKOD_BARKODNO", String, "s.barkodno"};
inline constexpr Sutun DIGERADI{"DIGERADI", String, "s.digeradi"};
inline constexpr Sutun DPKOD{"DPKOD", String, "s.dpkod"};
inline constexpr Sutun OEMNO{"OEMNO", String, "s.oemno"};
inline constexpr Sutun BIRIM{"BIRIM", String, "s.birim"};
inline constexpr Sutun MARKA{"MARKA", String, "s.marka"};
inline constexpr Sutun MODEL{"MODEL", String, "s.model"};
inline constexpr Sutun ANAGRUP{"ANAGRUP", String, "s.anagrup"};
inline constexpr Sutun OZELKOD{"OZELKOD", String, "s.ozelkod"};
inline constexpr Sutun KALAN{"KALAN", Float, "s.kalan"};
inline constexpr Sutun PKOD{"PKOD", String, "s.pkod"};
inline constexpr Sutun KDV{"KDV", Integer, "CAST(s.kdv AS INTEGER)"};
// Open quantities of customers' orders, and what the dealer has ordered from suppliers.
inline constexpr Sutun ALINANSIPARIS{
    "ALINANSIPARIS", Float, "(SELECT coalesce(sum(ss.kalan), 0) FROM siparis_satir ss WHERE ss.stokno = s.stokno)"};
inline constexpr Sutun VERILENSIPARIS{"VERILENSIPARIS", Float, "s.verilen_siparis"};
inline constexpr Sutun LISTEFIYAT1{"LISTEFIYAT1", Float, "s.listefiyat"};
inline constexpr Sutun KAMPFIYAT{"KAMPFIYAT", Float, "CASE WHEN s.kampanya = 1 THEN s.kampfiyat ELSE 0.0 END"};
inline constexpr Sutun Y{"Y", SmallInt, "s.yeni"};
inline constexpr Sutun K{"K", SmallInt, "s.kampanya"};

// Columns of the price for the account (priced lists only).
inline constexpr Sutun FIYAT{"FIYAT", Float, "s.fiyat"};
inline constexpr Sutun ESKIFIYAT{"ESKIFIYAT", Float, "s.listefiyat"};
inline constexpr Sutun INDIRIMYAZI{"INDIRIMYAZI", String, "indirim_yazi(s.i1, s.i2, s.i3, s.i4)"};
inline constexpr Sutun INDIRIM{"INDIRIM", Float, "yuvarla2(100 - iskontolu(100, s.i1, s.i2, s.i3, s.i4))"};
inline constexpr Sutun NETFIYAT{"NETFIYAT", Float, "s.netfiyat"};
inline constexpr Sutun KDVDAHIL{"KDVDAHIL", Float, "kdv_dahil(s.netfiyat, s.kdv)"};
inline constexpr Sutun IND1{"IND1", Float, "s.i1"};
inline constexpr Sutun IND2{"IND2", Float, "s.i2"};
inline constexpr Sutun IND3{"IND3", Float, "s.i3"};
inline constexpr Sutun IND4{"IND4", Float, "s.i4"};

// The query of a priced list: `secilen` is a SELECT of the stock numbers to list, and may
// use parameters from ?2 on; ?1 is the account the prices are for (none: list prices
// without discount). The rows come ordered by name and code.
std::string FiyatliListeSorgusu(std::string_view secilen, const SonucSekli& sekil);

}  // namespace zorvat::server::stok
