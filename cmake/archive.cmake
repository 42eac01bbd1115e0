# The release archive of a Windows build: `cpack` in the build tree makes
# qzgfx-<version>-win64.zip (or -win32.zip) holding the installed package (qzgfx.h, both static
# libraries, the CMake package files), and beside it what a user downloads it for: the examples'
# sources and programs with the font files gl_font reads and the sheet sprites reads, the demo with the images it reads,
# README.md and LICENSE. Each program, started from its own folder, finds its files there.
if(NOT WIN32)
  return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QZ_ARCHIVE_PLATFORM win64)
else()
  set(QZ_ARCHIVE_PLATFORM win32)
endif()

install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION .)

install(TARGETS palette_cycle text_screen input_tester gl_font sprites window_scale RUNTIME DESTINATION examples)
install(FILES "${PROJECT_SOURCE_DIR}/examples/palette_cycle.cpp"
              "${PROJECT_SOURCE_DIR}/examples/text_screen.cpp"
              "${PROJECT_SOURCE_DIR}/examples/input_tester.cpp"
              "${PROJECT_SOURCE_DIR}/examples/gl_font.cpp"
              "${PROJECT_SOURCE_DIR}/examples/sprites.cpp"
              "${PROJECT_SOURCE_DIR}/examples/window_scale.cpp"
        DESTINATION examples)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/font" DESTINATION examples/resources)
install(FILES "${PROJECT_SOURCE_DIR}/resources/examples/sprites.bmp"
        DESTINATION examples/resources/examples)

install(TARGETS vavaz RUNTIME DESTINATION demo)
install(FILES "${PROJECT_SOURCE_DIR}/resources/examples/light.tga"
              "${PROJECT_SOURCE_DIR}/resources/examples/brick.tga"
        DESTINATION demo/resources/examples)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME qzgfx)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "qzgfx-${PROJECT_VERSION}-${QZ_ARCHIVE_PLATFORM}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
include(CPack)
