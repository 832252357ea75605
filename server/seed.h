// Deterministic demonstration data in Turkish.
#pragma once

#include "server/database.h"

namespace zorvat::server {

inline constexpr int kDefaultDemoStockCount = 3000;

// Empties the database and fills it with the demonstration data: stockCount stock items,
// customers, users, baskets, orders, statements, pictures and announcements.
void SeedDemo(Database& db, int stockCount);

}  // namespace zorvat::server
