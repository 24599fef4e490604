# The engineering of the flow calculator, without widgets.
qv_library(qv_calculator_core
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProfileFactor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FlowProfileLimits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HoldMarkers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuantityUnits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Hydraulics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasuringPoint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ApplicationHandOver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PipeDimensions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NameVariants.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CoeffLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PropertyChart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NormVolume.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DefaValueFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasuringPointFile.cpp
  LIBS qv_transducer qv_reference qv_platform Qt6::Core)
