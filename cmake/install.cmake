# `cmake --install` puts the two static libraries, the public header qzgfx.h and a CMake package
# under the prefix. A program then needs only:
#     find_package(qzgfx CONFIG REQUIRED)
#     target_link_libraries(app PRIVATE qzgfx::qzgfx)
# qzgfx::qzgfx brings the runtime (qzgfx::qzrt), the platform libraries and the link options the
# libraries were built for.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QZ_PACKAGE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/qzgfx")

# What an installed program must link with besides the archives. Windows programs carry their C
# and C++ runtimes, as the programs built here do; sanitized builds need the sanitizer runtimes.
if(WIN32)
  target_link_options(qzrt INTERFACE "$<INSTALL_INTERFACE:-static;-static-libgcc;-static-libstdc++>")
endif()
if(QZ_SANITIZE)
  target_link_options(qzrt INTERFACE "$<INSTALL_INTERFACE:-fsanitize=address,undefined>")
endif()

install(TARGETS qzgfx qzrt EXPORT qzgfxTargets ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}")
install(FILES "${PROJECT_SOURCE_DIR}/include/qzgfx.h" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")
install(EXPORT qzgfxTargets NAMESPACE qzgfx:: DESTINATION "${QZ_PACKAGE_DIR}")

configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/qzgfxConfig.cmake.in"
  "${PROJECT_BINARY_DIR}/qzgfxConfig.cmake" INSTALL_DESTINATION "${QZ_PACKAGE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/qzgfxConfigVersion.cmake"
  VERSION "${PROJECT_VERSION}" COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/qzgfxConfig.cmake" "${PROJECT_BINARY_DIR}/qzgfxConfigVersion.cmake"
  DESTINATION "${QZ_PACKAGE_DIR}")
