#include "link/port_names.h"

#include <algorithm>

namespace aec {

std::vector<std::string> sortPortNames(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace aec
