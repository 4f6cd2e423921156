# Fails when a C++ source of the project is not formatted by the project's .clang-format.
file(GLOB_RECURSE sources
  ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
  ${SOURCE_DIR}/numeric/*.cpp ${SOURCE_DIR}/numeric/*.h
  ${SOURCE_DIR}/topics/*.cpp ${SOURCE_DIR}/topics/*.h
  ${SOURCE_DIR}/calculator/*.cpp ${SOURCE_DIR}/calculator/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
  ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Some sources are not formatted; run: clang-format -i <file>")
endif()
