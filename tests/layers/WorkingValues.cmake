# Fails when code outside the computations reads a working value of the model
# state: a value the equations or a result computation leave in VarCon for the
# next (SensScr, Prev18, StNoPos25, ...). Every result computation rewrites
# them, so a form, a field, a check or a report that reads one may read another
# test's figures; they read the inputs and the figures a computation returns.
# Writing one (the test selection sets up the tests in use) is not reading it.
#   cmake -DSRC=<the src folder> -P WorkingValues.cmake
cmake_minimum_required(VERSION 3.25)

# The working values: VarCon from its "values in use" on, but for the
# confirmation costs the unit-cost form keeps as its boxes show them.
file(READ ${SRC}/model/VarCon.h varcon)
string(FIND "${varcon}" "---- values in use" start)
string(SUBSTRING "${varcon}" ${start} -1 varcon)
string(REGEX REPLACE "//[^\n]*" "" varcon "${varcon}")
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*( *=[^=;,]*)?[,;]" declared "${varcon}")
set(working "")
foreach(d IN LISTS declared)
  string(REGEX REPLACE "^([A-Za-z0-9_]+).*" "\\1" name "${d}")
  list(APPEND working ${name})
endforeach()
list(REMOVE_ITEM working TxtCostDFA TxtCostPCA)

# The runs of VarCon (Age::Prev, PerTest::Isc, Slot::SATPMTot, ...) whose
# members are working values, known by a member of each.
file(READ ${SRC}/model/Families.h families)
string(REGEX REPLACE "//[^\n]*" "" families "${families}")
set(runs "")
# The families a macro declares, a member named by its stem and a suffix.
function(add_family_runs macro_pattern stem_pattern suffix)
  string(REGEX MATCHALL "${macro_pattern}" found "${families}")
  foreach(f IN LISTS found)
    string(REGEX REPLACE "${stem_pattern}" "\\1" stem "${f}")
    if("${stem}${suffix}" IN_LIST working)
      list(APPEND runs ${stem})
    endif()
  endforeach()
  set(runs ${runs} PARENT_SCOPE)
endfunction()
add_family_runs("MODEL_AGE_FAMILY\\([A-Za-z0-9_]+\\)" ".*\\(([A-Za-z0-9_]+)\\)" 18)
add_family_runs("MODEL_TEST_FAMILY\\([^,]+, *[A-Za-z0-9_]+\\)" ".*, *([A-Za-z0-9_]+)\\)" GP)
string(REGEX MATCHALL "constexpr [^;{]* [A-Za-z0-9_]+ *{ *&VarCon::[A-Za-z0-9_]+" listed "${families}")
foreach(l IN LISTS listed)
  string(REGEX REPLACE ".* ([A-Za-z0-9_]+) *{ *&VarCon::([A-Za-z0-9_]+)$" "\\1;\\2" pair "${l}")
  list(GET pair 0 run)
  list(GET pair 1 member)
  if(member IN_LIST working)
    list(APPEND runs ${run})
  endif()
endforeach()

file(GLOB_RECURSE files ${SRC}/*.h ${SRC}/*.cpp)
set(readers "")
foreach(file IN LISTS files)
  string(REPLACE "${SRC}/" "" where "${file}")
  # The computations: the equations and the result screens' computations.
  # The chart data and the what-if cells only format what those return.
  if(where MATCHES "^(model|figures)/" AND NOT where MATCHES "^figures/(GraphFigures|WhatIfCells)\\.")
    continue()
  endif()
  file(READ ${file} text)
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  # A member of the model state, then whether it is assigned.
  string(REGEX MATCHALL "(vc(\\.|->)|VarCon::)[A-Za-z0-9_]+ *=?=?" uses "${text}")
  string(REGEX MATCHALL "(Age|PerTest|Slot)::[A-Za-z0-9_]+(\\[[^];]*\\])? *=?=?" runUses "${text}")
  foreach(use IN LISTS uses runUses)
    if(use MATCHES "[^=]=$")
      continue()
    endif()
    string(REGEX REPLACE "^(vc(\\.|->)|VarCon::|Age::|PerTest::|Slot::)([A-Za-z0-9_]+).*" "\\3" name "${use}")
    if((use MATCHES "^(vc|VarCon)" AND name IN_LIST working) OR
       (use MATCHES "^(Age|PerTest|Slot)::" AND name IN_LIST runs))
      string(STRIP "${use}" use)
      string(APPEND readers "  ${where}: ${use}\n")
    endif()
  endforeach()
endforeach()
if(readers)
  message(FATAL_ERROR "Read outside the computations, working values of the model state:\n${readers}")
endif()
list(LENGTH working count)
if(count LESS 200)
  message(FATAL_ERROR "Only ${count} working values found in VarCon.h: the list lost its way")
endif()
