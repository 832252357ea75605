#include "server/seed.h"

#include "server/schema.h"

namespace zorvat::server {

void SeedDemo(Database& db, int) { CreateSchema(db); }

}  // namespace zorvat::server
