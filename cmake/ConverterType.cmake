# The converter models a build can configure. Included by the project after
# CONVERTER_TYPE is known, and run on its own (cmake -DCONVERTER_TYPE=n -P)
# by the tests: a type outside the list stops the configure here, instead of
# building a program that knows no such converter.
cmake_minimum_required(VERSION 3.25) # script mode starts with no policies
set(CONVERTER_TYPES 1 2 3 4 5 6 7 1001 1007)
if(NOT "${CONVERTER_TYPE}" IN_LIST CONVERTER_TYPES)
  list(JOIN CONVERTER_TYPES ", " _known_types)
  message(FATAL_ERROR "CONVERTER_TYPE \"${CONVERTER_TYPE}\" is not a converter type; choose one of ${_known_types}")
endif()
