#pragma once
// The support components that start-up places in the system folder when missing, in the
// order start-up walks them.

#include <cstdint>
#include <vector>

namespace qv::setup {

struct SupportComponent {
    std::int16_t index;          // the number passed to prcInstall_Component
    const wchar_t* presentName;  // below the system folder, with its leading "\"
    const wchar_t* sourceName;   // in the package folder
    const wchar_t* destination;  // below the system folder, with its leading "\"
    bool registered;             // started through the registration tool after copying
};

const std::vector<SupportComponent>& supportComponents();

// The row of `index`, or nothing for a number outside the table (2, 5 and others).
const SupportComponent* supportComponent(std::int16_t index);

}  // namespace qv::setup
