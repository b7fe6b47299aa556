# Checks the engine's object files: every engine-wide global is defined by the
# state unit from its data sheet, and no engine unit keeps writable data in a
# function-local static.
#
#   cmake -DNM=<nm> -DFEUILLE=<etat_globales.h> "-DOBJETS=<objects>" -P verifieglobales.cmake
#
# Only objects under engine/ are looked at (the front end keeps its own game
# record). Read-only function-local tables are fine.
cmake_minimum_required(VERSION 3.20)

# Exceptions, with the reason.
set(PERMIS
  "chargecles()::ok"  # the key tables load once, also when asked during start-up
  "lectureprise"      # test seam of the link unit: its tests swap the capture reading
  "lecturedeuxyeux"   # test seam of the living groups: their tests swap the two-eye reading
  "alertelectureimbriquee"  # test seam of the capture reading: a nested reading fails the test
  "sondelectureprise"       # test seam of the capture reading: starts a reading inside another
  "sondepassesolveur"       # test seam of the solver's proof passes: sees every node's move list
  "pionsmortsestime"  # scratch of the territory estimate, shared with its influence passes
)

file(STRINGS "${FEUILLE}" lignes REGEX "^(GLOBALE|ALIAS)\\(")
set(feuille "")
foreach(l IN LISTS lignes)
  string(REGEX REPLACE "^(GLOBALE|ALIAS)\\([^,]+, *([A-Za-z0-9_]+).*$" "\\2" nom "${l}")
  list(APPEND feuille "${nom}")
endforeach()
list(LENGTH feuille n)
if(n EQUAL 0)
  message(FATAL_ERROR "no entry read from ${FEUILLE}")
endif()

set(fautes "")
set(definis "")
set(etatvu FALSE)
foreach(obj IN LISTS OBJETS)
  if(NOT obj MATCHES "/engine/")
    continue()
  endif()
  get_filename_component(nomobj "${obj}" NAME)
  execute_process(COMMAND "${NM}" -C --defined-only "${obj}" OUTPUT_VARIABLE sortie RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${obj}")
  endif()
  string(REPLACE "\n" ";" sortie "${sortie}")
  set(estetat FALSE)
  if(nomobj STREQUAL "etat.cpp.o" OR nomobj STREQUAL "etat.cpp.obj")
    set(estetat TRUE)
    set(etatvu TRUE)
  endif()
  foreach(l IN LISTS sortie)
    if(NOT l MATCHES "^[0-9a-fA-F]* *([A-Za-z]) (.*)$")
      continue()
    endif()
    set(genre "${CMAKE_MATCH_1}")
    set(sym "${CMAKE_MATCH_2}")
    # Sanitizer bookkeeping and compiler-made names.
    if(sym MATCHES "^(__|\\.|std::|guard variable|typeinfo|vtable)" OR sym MATCHES "asan|ubsan" OR sym IN_LIST PERMIS)
      continue()
    endif()
    if(genre MATCHES "^[BDGS]$")
      if(estetat)
        list(APPEND definis "${sym}")
        if(NOT sym IN_LIST feuille)
          list(APPEND fautes "${nomobj}: ${sym} is defined outside the data sheet")
        endif()
      else()
        list(APPEND fautes "${nomobj}: global ${sym} belongs in the data sheet, or in the unit's anonymous namespace")
      endif()
    elseif(genre MATCHES "^[bdgsu]$")
      string(REPLACE "(anonymous namespace)::" "" nu "${sym}")
      if(nu MATCHES "\\)( const)?::")
        list(APPEND fautes "${nomobj}: function-local static ${sym}: move it to the unit's anonymous namespace")
      endif()
    endif()
  endforeach()
endforeach()

if(NOT etatvu)
  message(FATAL_ERROR "the state unit's object is not among the objects given")
endif()
foreach(nom IN LISTS feuille)
  if(NOT nom IN_LIST definis)
    list(APPEND fautes "etat.cpp: ${nom} of the data sheet is not defined")
  endif()
endforeach()

if(fautes)
  list(JOIN fautes "\n  " texte)
  message(FATAL_ERROR "Engine globals:\n  ${texte}")
endif()
list(LENGTH feuille n)
message(STATUS "${n} globals of the data sheet, all defined by the state unit")
