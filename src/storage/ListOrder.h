#pragma once

#include <string>
#include <vector>

namespace pramo {

// The order of the sorted lists of names (login names, companies): as a reader expects it rather than by
// character code. Letters compare by their base letter first, regardless of case and accents ("Čerpadla"
// beside "cesta", not after "Zlín"); accents and then case only decide between names that are otherwise
// equal, and equal names keep no order of their own.
bool ListOrderLess(const std::string& a, const std::string& b);
void SortLikeList(std::vector<std::string>& names);

}  // namespace pramo
