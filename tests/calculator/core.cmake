# Tests of the flow calculator's engineering (no widgets).
qv_gtest(test_calculator
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProfileFactorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HoldMarkersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasuringPointTest.cpp
  LIBS qv_calculator_core)
qv_gtest(test_calculator_normvolume
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/NormVolumeTest.cpp
  LIBS qv_calculator_core)
qv_gtest(test_calculator_files
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/MeasuringPointFileTest.cpp
  LIBS qv_calculator_core)
