#pragma once
// The registry behaviour the library relies on, as one set of cases that runs against
// every store: natively against the in-memory store, under Wine against the Win32 registry.
// Each instantiation names a factory for the store and a scratch key below HKEY_CURRENT_USER.

#include "RegistryStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace qv::testing {

struct RegistryContractStore {
    std::string name;
    std::function<std::unique_ptr<RegistryStore>()> make;
};

class RegistryContract : public ::testing::TestWithParam<RegistryContractStore> {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A path below the test's own scratch key, which starts empty.
    std::string path(const std::string& below = "") const;
    std::unique_ptr<RegistryKey> create(const std::string& below);

    std::unique_ptr<RegistryStore> store_;
    std::string scratch_;
};

}  // namespace qv::testing
