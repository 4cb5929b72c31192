# Locates Qwt built for Qt 5 (Debian: libqwt-qt5-dev) and provides the imported target Qwt::Qwt.
find_path(QWT_INCLUDE_DIR NAMES qwt_plot.h PATH_SUFFIXES qwt qwt-qt5 qt5/qwt)
find_library(QWT_LIBRARY NAMES qwt-qt5 qwt6-qt5 qwt)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt REQUIRED_VARS QWT_LIBRARY QWT_INCLUDE_DIR)

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
    add_library(Qwt::Qwt UNKNOWN IMPORTED)
    # A system include keeps Qwt's own warnings out of our zero-warning build.
    set_target_properties(Qwt::Qwt PROPERTIES
        IMPORTED_LOCATION "${QWT_LIBRARY}"
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${QWT_INCLUDE_DIR}"
        INTERFACE_INCLUDE_DIRECTORIES "${QWT_INCLUDE_DIR}")
endif()
mark_as_advanced(QWT_INCLUDE_DIR QWT_LIBRARY)
