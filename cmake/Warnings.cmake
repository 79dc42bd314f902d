# One interface target carries the project's warning flags; every target links it.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                                                  -Wnon-virtual-dtor -Wconversion -Wno-sign-conversion
                                                  -Wno-missing-field-initializers)
if(WARNINGS_AS_ERRORS)
  target_compile_options(project_warnings INTERFACE -Werror)
endif()
if(SANITIZE)
  target_compile_options(project_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
  target_link_options(project_warnings INTERFACE -fsanitize=address,undefined)
endif()
# GCC 12 reports false -Wrestrict overlaps inside std::string at -O2 and above (a known bug of
# that compiler): keep optimised builds clean without hiding real warnings elsewhere.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(project_warnings INTERFACE -Wno-restrict)
endif()
