# Fails when a file includes a layer above its own. The layers, from the bottom:
#   numeric/                the numbers, the formulas, their working, typesetting and figures
#   solution/               one click's calculation and the solution it produces
#   practice/               the exercises' numbers, the check of an answer and its hint
#   a topic's formulas, figures and problems, the calculator's state machine and keypad
#   Qt
#   ui/platform/            the faces, the Arabic interface, the region, the screen reader
#   ui/frame/               the window frame: controls, drawing, twips, fields, fault box, zoom
#   ui/solution/            the topic window, its solution panel, figure painter and printout
#   topics/*/, calculator/  the windows
#   app/                    the program: start-up, registry, main menu, about and splash
# The one rule: a file includes only files of its own folder and layer, and the layers below it;
# within a folder, no two files include each other (a header and its source are one file).
#   cmake -DSOURCE_DIR=<project> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
set(problems "")

# The layer of a file or header, by its path from the project's root (or a Qt header's name);
# empty for what is no layer (the C++ library).
function(layer_of path result)
  set(pure "^(topics/[a-z]+/[A-Za-z]+(Formulas|Figures|Problems|Exercises)|calculator/(CalculatorState|Keypad))\\.(h|cpp)$")
  if(path MATCHES "^numeric/")
    set(rank 10)
  elseif(path MATCHES "^solution/")
    set(rank 20)
  elseif(path MATCHES "^practice/")
    set(rank 25)
  elseif(path MATCHES "${pure}")
    set(rank 30)
  elseif(path MATCHES "^(Q[A-Za-z]|Qt[A-Za-z]*/|q[a-z0-9_]*\\.h$)")
    set(rank 40)
  elseif(path MATCHES "^ui/platform/")
    set(rank 50)
  elseif(path MATCHES "^ui/frame/")
    set(rank 60)
  elseif(path MATCHES "^ui/solution/")
    set(rank 70)
  elseif(path MATCHES "^(topics|calculator)/")
    set(rank 80)
  elseif(path MATCHES "^app/")
    set(rank 90)
  else()
    set(rank "")
  endif()
  set(${result} "${rank}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/numeric/*.h ${SOURCE_DIR}/numeric/*.cpp
     ${SOURCE_DIR}/solution/*.h ${SOURCE_DIR}/solution/*.cpp
     ${SOURCE_DIR}/practice/*.h ${SOURCE_DIR}/practice/*.cpp
     ${SOURCE_DIR}/ui/*.h ${SOURCE_DIR}/ui/*.cpp
     ${SOURCE_DIR}/topics/*.h ${SOURCE_DIR}/topics/*.cpp
     ${SOURCE_DIR}/calculator/*.h ${SOURCE_DIR}/calculator/*.cpp
     ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/app/*.cpp)
set(uses "")
foreach(file IN LISTS files)
  layer_of(${file} own)
  string(REGEX REPLACE "\\.(h|cpp)$" "" unit ${file})
  get_filename_component(folder ${file} DIRECTORY)
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
    get_filename_component(header_folder "${header}" DIRECTORY)
    # A generated file of the file's own (Printout.moc) belongs to it.
    if(header MATCHES "\\.moc$")
      continue()
    endif()
    layer_of("${header}" theirs)
    if(theirs STREQUAL "")
      continue()
    endif()
    string(REGEX REPLACE "\\.(h|cpp)$" "" their_unit "${header}")
    if(NOT theirs EQUAL 40 AND NOT their_unit STREQUAL unit)
      list(APPEND uses "${unit}>${their_unit}")
      if("${their_unit}>${unit}" IN_LIST uses)
        list(APPEND problems "${unit} and ${their_unit} include each other")
      endif()
    endif()
    if(theirs LESS own OR (theirs EQUAL own AND header_folder STREQUAL folder))
      continue()
    endif()
    list(APPEND problems "${file} includes ${header}, a layer above its own or beside it")
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
