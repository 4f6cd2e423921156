# A Windows program cross-built on Linux with MinGW-w64: where the compiler's run-time DLLs are,
# and Wine as the emulator through which CTest runs the cross-built tests.

# libstdc++, libgcc and winpthreads: every Qt DLL imports them, so they go beside the program.
set(NUMORA_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    find_file(path_${dll} ${dll} PATHS /usr/${NUMORA_MINGW_TRIPLE}/lib /usr/${NUMORA_MINGW_TRIPLE}/bin
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    set(path ${path_${dll}})
  endif()
  list(APPEND NUMORA_MINGW_RUNTIME ${path})
endforeach()

if(CMAKE_CROSSCOMPILING)
  set(runtime_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
  foreach(path IN LISTS NUMORA_MINGW_RUNTIME)
    get_filename_component(dir ${path} DIRECTORY)
    list(APPEND runtime_dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES runtime_dirs)
  list(JOIN runtime_dirs ":" runtime_path)
  # Set before any target exists: each test executable takes the emulator when it is created.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${PROJECT_SOURCE_DIR}/tools/windows/wine-run.sh ${CMAKE_BINARY_DIR}/wine ${runtime_path})
endif()
