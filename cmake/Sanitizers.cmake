# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build, aborting on the first report.
# -O1 -g1 (after the build type's flags, so they win): a third less compile time on two cores,
# while reports still name the lines.
if(BRELLOW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -O1 -g1
                        # GCC 12 at -O1 with sanitizers sees uninitialised members in std::regex.
                        -Wno-maybe-uninitialized)
    add_link_options(-fsanitize=address,undefined)
endif()
