# Debian's hardening flags, as dpkg-buildflags gives them with every hardening
# feature on: a stack protector, fortified C library calls, format checks, and
# a read-only relocation table bound at start. Optimised builds only: fortified
# calls need the optimiser, and a sanitizer build has checks of its own. The
# optimisation and debugging levels stay the build type's; the file prefix map
# is left out, as it names the source folder and would keep ccache from sharing
# objects between checkouts.
find_program(GARABEL_DPKG_BUILDFLAGS dpkg-buildflags)
if(GARABEL_DPKG_BUILDFLAGS AND NOT GARABEL_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${GARABEL_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
    set(GARABEL_HARDENING_${kind} ${flags})
  endforeach()
  add_compile_options(${GARABEL_HARDENING_CPPFLAGS} ${GARABEL_HARDENING_CXXFLAGS})
  add_link_options(${GARABEL_HARDENING_LDFLAGS})
endif()
