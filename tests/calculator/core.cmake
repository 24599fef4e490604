# Tests of the flow calculator's engineering (no widgets).
qv_gtest(test_calculator
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProfileFactorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HoldMarkersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasuringPointTest.cpp
  LIBS qv_calculator_core)
qv_gtest(test_calculator_charts SOURCES ${CMAKE_CURRENT_LIST_DIR}/PropertyChartTest.cpp LIBS qv_calculator_core)
# The numbers and texts of the small dialogs (pipe geometry, names list, coefficient list).
qv_gtest(test_calculator_dialogdata
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PipeDimensionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoListsTest.cpp
  LIBS qv_calculator_core)
qv_gtest(test_calculator_normvolume
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/NormVolumeTest.cpp
  LIBS qv_calculator_core)
qv_gtest(test_calculator_files
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/MeasuringPointFileTest.cpp
  LIBS qv_calculator_core)
qv_gtest(test_calculator_handover SOURCES ${CMAKE_CURRENT_LIST_DIR}/ApplicationHandOverTest.cpp
  LIBS qv_calculator_core)
