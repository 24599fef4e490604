# Tests of the calculator's forms (Qt Test, offscreen).
qv_qtest(calculator_forms_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormsTest.cpp
  LIBS qv_mainwindow qv_calculator_forms qv_formbase qv_components qv_platform_gui)
