# Tests of the calculator's forms (Qt Test, offscreen), one file per form.
qv_qtest(test_calculator_mainwindow
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmecalcTest.cpp ${PROJECT_SOURCE_DIR}/tests/formbase/FakeDictionary.h
  LIBS qv_mainwindow)
target_include_directories(test_calculator_mainwindow PRIVATE ${PROJECT_SOURCE_DIR}/tests/formbase)

qv_qtest(test_calculator_reynlimi
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReynlimiTest.cpp
  LIBS qv_calculator_forms)

# The small dialogs; the names list and the pipe geometry are also opened from the main window.
foreach(form DUShape InputUserValue MemoInfo AboutBox InpDruck InputGrenzen Koeffs MedienInfo Kalfaktordiagramm)
  string(TOLOWER ${form} topic)
  qv_qtest(test_calculator_${topic}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${form}Test.cpp ${CMAKE_CURRENT_LIST_DIR}/ModalDriver.h
    LIBS qv_calculator_forms)
endforeach()
foreach(form Namensliste Rohrgeometrie)
  string(TOLOWER ${form} topic)
  qv_qtest(test_calculator_${topic}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${form}Test.cpp ${CMAKE_CURRENT_LIST_DIR}/ModalDriver.h
    LIBS qv_mainwindow)
endforeach()

qv_qtest(test_calculator_application
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ApplicationCommandTest.cpp
  LIBS qv_mainwindow)

qv_qtest(test_calculator_normvolumedialog
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/NormVolumeDialogTest.cpp
  LIBS qv_calculator_forms)

qv_qtest(test_calculator_defaultfileoptions
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DefaulFileOptionsTest.cpp ${PROJECT_SOURCE_DIR}/tests/formbase/FakeDictionary.h
  LIBS qv_calculator_forms)
target_include_directories(test_calculator_defaultfileoptions PRIVATE ${PROJECT_SOURCE_DIR}/tests/formbase)

qv_qtest(test_calculator_commands
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmecalcCommandsTest.cpp ${PROJECT_SOURCE_DIR}/tests/formbase/FakeDictionary.h
  LIBS qv_mainwindow)
target_include_directories(test_calculator_commands PRIVATE ${PROJECT_SOURCE_DIR}/tests/formbase)
