// The handlers of every remote method, by group.
#pragma once

#include "server/method_context.h"

namespace zorvat::server {

void RegisterSystemMethods(MethodRegistry& registry);
// Login, the account card and mail (methods_oturum.cpp).
void RegisterOturumMethods(MethodRegistry& registry);
// Stock search, new and campaign items, pictures, stock movements (methods_katalog.cpp).
void RegisterKatalogMethods(MethodRegistry& registry);
// The basket and the overdue warning (methods_sepet.cpp).
void RegisterSepetMethods(MethodRegistry& registry);
// Delivery, cargo and sending an order (methods_siparis.cpp).
void RegisterSiparisMethods(MethodRegistry& registry);
// The representatives' customer selection (methods_cari_secim.cpp).
void RegisterCariSecimMethods(MethodRegistry& registry);
// Previous orders, their lines and footers, open balances, all order lines (methods_siparis_gecmisi.cpp).
void RegisterSiparisGecmisiMethods(MethodRegistry& registry);
// Closing, setting and repricing an open balance (methods_bakiye.cpp).
void RegisterBakiyeMethods(MethodRegistry& registry);
// Invoices, collections and the card payment receipt (methods_evrak.cpp).
void RegisterEvrakMethods(MethodRegistry& registry);
// The account statement and the account status for the payment page (methods_ekstre.cpp).
void RegisterEkstreMethods(MethodRegistry& registry);
// The representatives' reports and report documents (methods_rapor.cpp).
void RegisterRaporMethods(MethodRegistry& registry);
// Scrolling text, page counters, announcements, banners, opening advertisements (methods_bilgi.cpp).
void RegisterBilgiMethods(MethodRegistry& registry);

// All of them.
MethodRegistry AllMethods();

}  // namespace zorvat::server
