# Fails when a source includes across the layers. The pure computation (numeric/, each topic's
# formulas, the calculator's state machine and keypad, a topic window's calculation) includes no Qt
# and nothing of the windows; the topic and calculator windows use the shared frame (app/frame/)
# and nothing else of app/; the frame knows no window of its own.
#   cmake -DSOURCE_DIR=<project> -P check_layers.cmake
set(problems "")

# Checks every #include of the files matching the globs against a regular expression of includes
# that the layer must not use, less those that match the exception (a pattern that matches
# nothing when there is none).
function(forbid what pattern except)
  file(GLOB_RECURSE files LIST_DIRECTORIES false ${ARGN})
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
      if(header MATCHES "${pattern}" AND NOT header MATCHES "${except}")
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        list(APPEND problems "${shown} includes ${header}: ${what}")
      endif()
    endforeach()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

# Qt's headers: <QString>, <QtCore/qglobal.h>, <qnamespace.h>.
set(qt "^(Q[A-Za-z]|Qt[A-Za-z]*/|q[a-z0-9_]*\\.h$)")
set(computation ${SOURCE_DIR}/numeric/*.cpp ${SOURCE_DIR}/numeric/*.h
    ${SOURCE_DIR}/topics/*Formulas.cpp ${SOURCE_DIR}/topics/*Formulas.h
    ${SOURCE_DIR}/topics/*Figures.cpp ${SOURCE_DIR}/topics/*Figures.h
    ${SOURCE_DIR}/calculator/CalculatorState.cpp ${SOURCE_DIR}/calculator/CalculatorState.h
    ${SOURCE_DIR}/calculator/Keypad.cpp ${SOURCE_DIR}/calculator/Keypad.h
    ${SOURCE_DIR}/app/frame/Calculation.cpp ${SOURCE_DIR}/app/frame/Calculation.h)

set(none "^$")
forbid("the computation includes no Qt" "${qt}" "${none}" ${computation})
forbid("the numbers include nothing above them" "^(app|topics|calculator)/" "${none}"
       ${SOURCE_DIR}/numeric/*.cpp ${SOURCE_DIR}/numeric/*.h)
forbid("a formula includes only the computation" "^(app|topics|calculator)/"
       "^topics/[a-z]+/[A-Za-z]+(Formulas|Figures)\\.h$|^calculator/(CalculatorState|Keypad)\\.h$"
       ${SOURCE_DIR}/topics/*Formulas.cpp ${SOURCE_DIR}/topics/*Formulas.h
       ${SOURCE_DIR}/topics/*Figures.cpp ${SOURCE_DIR}/topics/*Figures.h
       ${SOURCE_DIR}/calculator/CalculatorState.cpp ${SOURCE_DIR}/calculator/CalculatorState.h
       ${SOURCE_DIR}/calculator/Keypad.cpp ${SOURCE_DIR}/calculator/Keypad.h)
forbid("a window's calculation uses only the numbers" "^(app|topics|calculator)/"
       "^app/frame/Calculation\\.h$"
       ${SOURCE_DIR}/app/frame/Calculation.cpp ${SOURCE_DIR}/app/frame/Calculation.h)
forbid("a topic or the calculator uses only the frame of app/" "^app/" "^app/frame/"
       ${SOURCE_DIR}/topics/*.cpp ${SOURCE_DIR}/topics/*.h
       ${SOURCE_DIR}/calculator/*.cpp ${SOURCE_DIR}/calculator/*.h)
forbid("the frame knows no window" "^(topics|calculator|app)/" "^app/frame/"
       ${SOURCE_DIR}/app/frame/*.cpp ${SOURCE_DIR}/app/frame/*.h)

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
