#pragma once
// The order the preference list is kept in once loaded.
#include <vector>

#include "corvane/accounts/rowset.h"

namespace corvane::accounts {

// Sorts by address ignoring case, records without an address first, records with equal
// addresses (ignoring case) in the order they had.
void SortByAddress(std::vector<ListRecordView>& rows);

}  // namespace corvane::accounts
