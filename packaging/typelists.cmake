# Configures one of the templates of this folder with the format lists tarvo-typelists prints
# (@TARVO_WRITES_OR@ and the like) besides the values given with -D.
# Run with cmake -DTYPELISTS=<tarvo-typelists> -DTEMPLATE=<file.in> -DOUTPUT=<file> [-D...] -P
execute_process(COMMAND ${TYPELISTS} OUTPUT_VARIABLE lists RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TYPELISTS} failed: ${result}")
endif()
cmake_language(EVAL CODE "${lists}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
