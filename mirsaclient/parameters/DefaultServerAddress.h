#pragma once
// The upload server address that a new parameter file starts with. The build sets it: the
// CMake cache variable MIRSA_DEFAULT_SERVER_ADDRESS (127.0.0.1 unless changed) becomes the
// compile definition of the same name.

#include <string_view>

#ifndef MIRSA_DEFAULT_SERVER_ADDRESS
#error "MIRSA_DEFAULT_SERVER_ADDRESS is set by the build (mirsaclient/CMakeLists.txt)"
#endif

namespace mirsa {

inline constexpr std::string_view kDefaultServerAddress = MIRSA_DEFAULT_SERVER_ADDRESS;

}  // namespace mirsa
