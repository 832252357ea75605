// The database's tables, and the changes the server's command line makes to them.
#pragma once

#include <string>

#include "server/database.h"

namespace zorvat::server {

// Creates every table and index that is missing.
void CreateSchema(Database& db);

// The client version the server offers at login (3 unless set).
int ClientVersion(Database& db);
void SetClientVersion(Database& db, int version);

// Registers the computer ID for the user with that name (ADI); throws DatabaseError with a
// clear message when there is no such user.
void RegisterComputer(Database& db, const std::string& computerId, const std::string& userName);

}  // namespace zorvat::server
