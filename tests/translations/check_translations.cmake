cmake_minimum_required(VERSION 3.25)
# Fails when a text of the program has no English: lupdate reads the sources into
# a copy of the catalog, and any entry it leaves unfinished is a text without a
# translation.
#   cmake -DLUPDATE=<lupdate> -DSRC=<source folder> -DTS=<kalvo_en.ts> -DWORK=<scratch folder> -P check_translations.cmake
# The Slovenian catalog (SL_TS) holds only the plural forms, and must hold every one.
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${TS}" "${WORK}/kalvo_en.ts")
file(COPY_FILE "${SL_TS}" "${WORK}/kalvo_sl.ts")
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete "${SRC}" -ts "${WORK}/kalvo_en.ts"
                RESULT_VARIABLE result)
execute_process(COMMAND "${LUPDATE}" -silent -pluralonly -locations none -no-obsolete "${SRC}" -ts "${WORK}/kalvo_sl.ts"
                RESULT_VARIABLE result_sl)
if(NOT result EQUAL 0 OR NOT result_sl EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result}, ${result_sl})")
endif()
file(READ "${WORK}/kalvo_en.ts" catalog)
file(READ "${WORK}/kalvo_sl.ts" catalog_sl)
string(APPEND catalog "${catalog_sl}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \n\r\t]*<translation type=\"unfinished\"" unfinished "${catalog}")
list(LENGTH unfinished count)
if(count GREATER 0)
  foreach(entry ${unfinished})
    string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" text "${entry}")
    message(SEND_ERROR "No English for: ${text}")
  endforeach()
  message(FATAL_ERROR "${count} texts have no English in translations/kalvo_en.ts "
                      "(cmake --build build --target update_translations, then translate them)")
endif()
message(STATUS "Every text has its English")
