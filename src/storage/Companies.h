#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/DatabaseFile.h"

namespace pramo {

inline constexpr std::size_t kCompanyNameCapacity = 50;

// The company and department names of the open database, sorted as the lists show them; nothing when the
// database could not be read (told).
std::optional<std::vector<std::string>> ListCompanies(DatabaseAccess& db);

// The counter beside the list: " 3 / 12 " for the third of twelve names, " 0 / 0 " with none chosen of none.
// `chosen` is the position picked in the list, from 0, or nothing.
std::string CompanyCounterText(std::optional<std::size_t> chosen, std::size_t count);

// The operations of the group "Firmy / Útvary - databáze". `listed` is the list as it shows the names;
// every check and outcome is told. Stored calculations keep the name they were stored with.

// Adds a name that is not empty and not in the list (compared exactly, so a name differing only in
// letter case is another name) into the first free company slot, or a record appended for it.
bool AddCompany(DatabaseAccess& db, const std::vector<std::string>& listed, const std::string& name);

// Renames the name at the chosen position of the list to `newName`. Without a chosen position the user is
// told so, and the renaming fails after the checks of the new name.
bool RenameCompany(DatabaseAccess& db, const std::vector<std::string>& listed,
                   std::optional<std::size_t> chosen, const std::string& newName);

// Removes the name after the user confirms it. The record and its other slots stay; the freed slot takes
// the next added name.
bool RemoveCompany(DatabaseAccess& db, const std::string& name);

}  // namespace pramo
