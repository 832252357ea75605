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

// All of them.
MethodRegistry AllMethods();

}  // namespace zorvat::server
