# The top of the program: the main window, brand detection and the start-up form order.
set(QV_MAINWINDOW_DIR ${CMAKE_CURRENT_LIST_DIR})
qv_library(qv_mainwindow
  SOURCES
    ${QV_MAINWINDOW_DIR}/Xmecalc.cpp ${QV_MAINWINDOW_DIR}/Xmecalc.h
    ${QV_MAINWINDOW_DIR}/XmecalcCommands.cpp ${QV_MAINWINDOW_DIR}/XmecalcCommands.h
    ${QV_MAINWINDOW_DIR}/StartupForms.cpp ${QV_MAINWINDOW_DIR}/StartupForms.h
    ${QV_MAINWINDOW_DIR}/XmecalcLanguage.cpp ${QV_MAINWINDOW_DIR}/XmecalcLanguage.h
    ${QV_MAINWINDOW_DIR}/ApplicationCommand.cpp ${QV_MAINWINDOW_DIR}/ApplicationCommand.h
    ${QV_MAINWINDOW_DIR}/ReportCommand.cpp ${QV_MAINWINDOW_DIR}/ReportCommand.h
    ${QV_MAINWINDOW_DIR}/OemDetect.cpp ${QV_MAINWINDOW_DIR}/OemDetect.h
    ${QV_MAINWINDOW_DIR}/Logos.cpp ${QV_MAINWINDOW_DIR}/Logos.h
  LIBS qv_report qv_transducer_forms qv_calculator_forms qv_formbase qv_calculator_core qv_components qv_translation
       qv_translation_forms qv_translation_data qv_transducer
       qv_reference qv_platform_gui Qt6::Widgets)
