# The calculator's forms: the base form, the main window, the flow-profile dialog and the
# forms of later work items (shells for now).
set(QV_CALC_FORMS_DIR ${CMAKE_CURRENT_LIST_DIR})
qv_library(qv_calculator
  SOURCES
    ${QV_CALC_FORMS_DIR}/MultForm.cpp ${QV_CALC_FORMS_DIR}/MultForm.h
    ${QV_CALC_FORMS_DIR}/FormRegistry.cpp ${QV_CALC_FORMS_DIR}/FormRegistry.h
    ${QV_CALC_FORMS_DIR}/OemDetect.cpp ${QV_CALC_FORMS_DIR}/OemDetect.h
    ${QV_CALC_FORMS_DIR}/Logos.cpp ${QV_CALC_FORMS_DIR}/Logos.h
    ${QV_CALC_FORMS_DIR}/Xmecalc.cpp ${QV_CALC_FORMS_DIR}/Xmecalc.h
    ${QV_CALC_FORMS_DIR}/Reynlimi.cpp ${QV_CALC_FORMS_DIR}/Reynlimi.h
    ${QV_CALC_FORMS_DIR}/Medieninfo.cpp ${QV_CALC_FORMS_DIR}/Medieninfo.h
    ${QV_CALC_FORMS_DIR}/NamensListe.cpp ${QV_CALC_FORMS_DIR}/NamensListe.h
    ${QV_CALC_FORMS_DIR}/Rohgeometrie.cpp ${QV_CALC_FORMS_DIR}/Rohgeometrie.h
    ${QV_CALC_FORMS_DIR}/D_InputUserValue.cpp ${QV_CALC_FORMS_DIR}/D_InputUserValue.h
    ${QV_CALC_FORMS_DIR}/DUShape.cpp ${QV_CALC_FORMS_DIR}/DUShape.h
    ${QV_CALC_FORMS_DIR}/D_MemoInfo.cpp ${QV_CALC_FORMS_DIR}/D_MemoInfo.h
    ${QV_CALC_FORMS_DIR}/AboutQuelvar.cpp ${QV_CALC_FORMS_DIR}/AboutQuelvar.h
    ${QV_CALC_FORMS_DIR}/InpDruck.cpp ${QV_CALC_FORMS_DIR}/InpDruck.h
    ${QV_CALC_FORMS_DIR}/InpDiagGrenzen.cpp ${QV_CALC_FORMS_DIR}/InpDiagGrenzen.h
    ${QV_CALC_FORMS_DIR}/KoeffInfo.cpp ${QV_CALC_FORMS_DIR}/KoeffInfo.h
    ${QV_CALC_FORMS_DIR}/SmallFormKit.h
    ${QV_CALC_FORMS_DIR}/D_NormVolume.cpp ${QV_CALC_FORMS_DIR}/D_NormVolume.h
    ${QV_CALC_FORMS_DIR}/shells/d_reportform.cpp ${QV_CALC_FORMS_DIR}/shells/d_reportform.h
    ${QV_CALC_FORMS_DIR}/shells/D_ErrorDiagramm.cpp ${QV_CALC_FORMS_DIR}/shells/D_ErrorDiagramm.h
    ${QV_CALC_FORMS_DIR}/shells/D_SensorAbstand.cpp ${QV_CALC_FORMS_DIR}/shells/D_SensorAbstand.h
  LIBS qv_calculator_core qv_components qv_translation qv_transducer qv_reference qv_platform_gui
       Qt6::Widgets)
