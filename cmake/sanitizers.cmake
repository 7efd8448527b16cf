# KESTREL_SANITIZE=address builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# KESTREL_SANITIZE=thread with ThreadSanitizer (the two cannot share a build). Used in build
# folders of their own by tools/run-sanitizers.sh; the reports it accepts are listed, with the
# reason for each, in tools/sanitizers/.
set(KESTREL_SANITIZE "" CACHE STRING "Sanitizer build: address (ASan + UBSan), thread (TSan), or empty")
set_property(CACHE KESTREL_SANITIZE PROPERTY STRINGS "" address thread)

string(TOLOWER "${KESTREL_SANITIZE}" kestrel_sanitize)
if(kestrel_sanitize STREQUAL "on")
    # An older cache kept the switch as ON/OFF, which meant address.
    set(kestrel_sanitize address)
endif()
if(NOT kestrel_sanitize)
    set(kestrel_sanitize "")
elseif(kestrel_sanitize STREQUAL "address")
    set(kestrel_sanitize_flags -fsanitize=address,undefined)
elseif(kestrel_sanitize STREQUAL "thread")
    set(kestrel_sanitize_flags -fsanitize=thread)
else()
    message(FATAL_ERROR "KESTREL_SANITIZE must be address, thread or empty, not '${KESTREL_SANITIZE}'")
endif()

if(kestrel_sanitize)
    # Frame pointers keep the reports' stacks whole at the low optimisation these builds use.
    add_compile_options(${kestrel_sanitize_flags} -fno-omit-frame-pointer)
    add_link_options(${kestrel_sanitize_flags})
endif()
if(CMAKE_UNITY_BUILD)
    # A unity build includes each source into a generated one, and GCC then takes every source
    # for a header: types of a source's anonymous namespace used by its own classes would warn.
    # The normal build, one source per compilation, keeps the warning.
    add_compile_options(-Wno-subobject-linkage)
endif()

# A sanitizer build only needs the shell, the maker and the tests: benchmarks, artwork tools and
# packaging would lengthen every CI run for nothing the tests use.
if(kestrel_sanitize)
    set(kestrel_extras_default OFF)
else()
    set(kestrel_extras_default ON)
endif()
option(KESTREL_EXTRAS "Also build the benchmarks, artwork tools and packaging" ${kestrel_extras_default})

# Sanitizer builds load the QML from source instead of compiling it to C++ ahead of time: the
# generated C++ is Qt's, not ours, and compiling it would be a large part of such a build.
if(kestrel_sanitize)
    set(KESTREL_QML_CACHEGEN NO_CACHEGEN)
else()
    set(KESTREL_QML_CACHEGEN "")
endif()
