#pragma once
// The class factory of CLibrary: one object for the life of the library file.

#include <unknwn.h>

namespace qv::win {

IClassFactory* libraryClassFactory();

}  // namespace qv::win
