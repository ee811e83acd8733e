// Fills the process-wide operating-system record from the running system.
#pragma once

#include "engine/ports/OsVersionInfo.h"

// Queries the system once (later calls return the same record) and makes the
// result the record that GetOsVersion() gives.
const OsVersionInfo& QueryOsVersion();
