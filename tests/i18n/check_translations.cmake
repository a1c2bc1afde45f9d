# Runs lupdate over the sources into a copy of each catalog, as
# `update_translations` would, and fails when a text of the sources has no
# English translation yet or a translated text no longer occurs in them.
foreach(catalog ${CATALOGS})
  string(REPLACE "=" ";" pair "${catalog}")
  list(GET pair 0 project)
  list(GET pair 1 ts)
  get_filename_component(name "${ts}" NAME)
  set(copy "${WORK}/${name}")
  set(json "${WORK}/${name}.json")
  file(COPY_FILE "${ts}" "${copy}")
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DIN_FILE=${project}" "-DOUT_FILE=${json}"
                          -P "${GENERATOR}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "The lupdate project for ${name} could not be written")
  endif()
  execute_process(COMMAND "${LUPDATE}" -project "${json}" -ts "${copy}"
                          -source-language de -locations none
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
  endif()
  file(STRINGS "${copy}" open REGEX "type=\"(unfinished|vanished|obsolete)\"")
  file(STRINGS "${copy}" sources REGEX "<source>")
  list(LENGTH open open_count)
  list(LENGTH sources source_count)
  if(open_count GREATER 0)
    file(READ "${copy}" text)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"" found "${text}")
    string(REPLACE ";" "\n" found "${found}")
    message(FATAL_ERROR "${name}: ${open_count} of ${source_count} texts are untranslated or no longer "
                        "in the sources; run `cmake --build build --target update_translations` "
                        "and translate them:\n${found}")
  endif()
  message(STATUS "${name}: ${source_count} texts, all translated")
endforeach()
