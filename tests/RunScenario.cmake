# Runs one scenario script through the driver and compares its transcript.
#   -DDRIVER=zelvik-script -DSCRIPT=path/NAME.zs -DWORK=scratch directory
# A line "#! ARGS" in the script adds driver arguments (for example "#! --seed 7").
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${dir}/${name}.ini)
  configure_file(${dir}/${name}.ini ${WORK}/Zelvik.ini COPYONLY)
endif()
if(IS_DIRECTORY ${dir}/${name}.moves)
  file(COPY ${dir}/${name}.moves/ DESTINATION ${WORK}/Moves)
endif()

set(args)
file(STRINGS ${SCRIPT} header REGEX "^#! ")
foreach(line ${header})
  string(SUBSTRING "${line}" 3 -1 extra)
  separate_arguments(extra UNIX_COMMAND "${extra}")
  list(APPEND args ${extra})
endforeach()

execute_process(COMMAND ${DRIVER} --check --dir ${WORK} ${args} ${SCRIPT}
                OUTPUT_VARIABLE transcript RESULT_VARIABLE code)
file(WRITE ${WORK}/transcript.txt "${transcript}")
if(NOT code EQUAL 0)
  message(FATAL_ERROR "zelvik-script exited with ${code}:\n${transcript}")
endif()
if(EXISTS ${dir}/${name}.out)
  file(READ ${dir}/${name}.out expected)
  if(NOT transcript STREQUAL expected)
    execute_process(COMMAND diff -u ${dir}/${name}.out ${WORK}/transcript.txt
                    OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "transcript differs from ${name}.out:\n${difference}")
  endif()
endif()
