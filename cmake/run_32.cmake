# A 32-bit x86 build on a 64-bit machine whose kernel cannot start 32-bit programs (built
# without 32-bit support) runs its test programs under qemu's user-mode emulator, through
# tools/run-32.sh. A probe program tells which case this is.
if(NOT WIN32 AND NOT CMAKE_CROSSCOMPILING AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(qz_probe "${CMAKE_BINARY_DIR}/run_probe")
  file(WRITE "${qz_probe}/main.c" "int main(void) { return 0; }\n")
  try_run(QZ_32_RUNS QZ_32_BUILDS "${qz_probe}" "${qz_probe}/main.c")
  if(NOT QZ_32_RUNS STREQUAL "0")
    message(STATUS "32-bit programs do not start here; tests run under tools/run-32.sh")
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/run-32.sh")
  endif()
endif()
