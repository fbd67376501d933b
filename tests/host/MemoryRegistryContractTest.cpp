#include "MemoryRegistryStore.h"
#include "RegistryContract.h"

namespace qv::testing {

INSTANTIATE_TEST_SUITE_P(Memory, RegistryContract,
                         ::testing::Values(RegistryContractStore{
                             "memory", [] { return std::make_unique<MemoryRegistryStore>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace qv::testing
