cmake_minimum_required(VERSION 3.25)
# Fails when a text of the program has no English: lupdate reads the sources into
# a copy of the catalog, and any entry it leaves unfinished is a text without a
# translation.
#   cmake -DLUPDATE=<lupdate> -DSRC=<source folder> -DTS=<kalvo_en.ts> -DWORK=<scratch folder> -P check_translations.cmake
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${TS}" "${WORK}/kalvo_en.ts")
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete "${SRC}" -ts "${WORK}/kalvo_en.ts"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result})")
endif()
file(READ "${WORK}/kalvo_en.ts" catalog)
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
