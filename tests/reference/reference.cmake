# The reference evaluations of the response (reference_response.h), compiled into every program
# that compares the engine with them: the unit tests, the benchmarks and the Windows accuracy and
# timing programs. They need a deliverable's engine headers, so each program builds them with
# its own engine.
set(RESPONSE_REFERENCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(RESPONSE_REFERENCE_SOURCES
  ${RESPONSE_REFERENCE_DIR}/reference_fast_math.cpp
  ${RESPONSE_REFERENCE_DIR}/reference_sums.cpp
  ${RESPONSE_REFERENCE_DIR}/reference_four_wide.cpp)
