#pragma once
// Test names made from a case table's descriptions: "not installed" gives "not_installed".

#include <cctype>
#include <string>

namespace qv::removal::testing {

template <typename Info>
std::string caseName(const Info& info) {
    std::string name = info.param.what;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

}  // namespace qv::removal::testing
