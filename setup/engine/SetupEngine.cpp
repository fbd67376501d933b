#include "SetupEngine.h"

#include "RuntimeError.h"

namespace qv::setup {

SetupEngine::SetupEngine(const SetupOutside& outside)
    : registry_(outside.registry, outside.codePage),
      codePage_(outside.codePage),
      files_(outside.files),
      excel_(outside.excel),
      system_(outside.system),
      messages_(outside.messages),
      pages_(outside.pages),
      packageFolder_(outside.packageFolder) {}

void SetupEngine::endProgram() { throw EndOfProgram{}; }

}  // namespace qv::setup
