#pragma once
// Ordering of the port list that the search walks.

#include <string>
#include <vector>

namespace aec {

// Folder inside the user's runtime directory where simulated processors publish their ports.
inline constexpr const char* kVirtualPortFolder = "aec-ports";

// Names sorted as text in ascending order (COM10 before COM2), duplicates removed.
std::vector<std::string> sortPortNames(std::vector<std::string> names);

}  // namespace aec
