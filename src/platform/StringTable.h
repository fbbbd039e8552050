#pragma once
// The string table: every message and system text, by id.

#include <QString>
#include <utility>
#include <vector>

namespace tavelin {

// A null QString when the id is missing.
QString LoadString(int id);
std::vector<std::pair<int, QString>> AllStrings(); // sorted by id

} // namespace tavelin
