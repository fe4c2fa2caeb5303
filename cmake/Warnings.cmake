# Warnings for every target of this project; errors when BRELLOW_WERROR is on (CI).
add_library(brellow_warnings INTERFACE)
target_compile_options(brellow_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Woverloaded-virtual
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
if(BRELLOW_WERROR)
    target_compile_options(brellow_warnings INTERFACE -Werror)
endif()
