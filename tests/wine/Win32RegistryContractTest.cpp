#include "RegistryContract.h"
#include "Win32RegistryStore.h"

namespace qv::testing {

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryContractStore{
                             "win32", [] { return std::make_unique<win::Win32RegistryStore>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace qv::testing
