# KORRELANG_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer.
option(KORRELANG_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KORRELANG_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
