# Tests of the calculator's forms (Qt Test, offscreen).
qv_qtest(calculator_forms_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormsTest.cpp
  LIBS qv_calculator qv_components qv_platform_gui)
# One test per small form.
foreach(form DUShape InputUserValue MemoInfo AboutBox InpDruck InputGrenzen Koeffs Namensliste Rohrgeometrie)
  string(TOLOWER ${form} topic)
  qv_qtest(test_calculator_${topic}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${form}Test.cpp
    LIBS qv_calculator qv_components qv_platform_gui)
endforeach()
