# The calculator's dialogs on the form base.
set(QV_CALC_FORMS_DIR ${CMAKE_CURRENT_LIST_DIR})
qv_library(qv_calculator_forms
  SOURCES
    ${QV_CALC_FORMS_DIR}/Reynlimi.cpp ${QV_CALC_FORMS_DIR}/Reynlimi.h
    ${QV_CALC_FORMS_DIR}/Medieninfo.cpp ${QV_CALC_FORMS_DIR}/Medieninfo.h
    ${QV_CALC_FORMS_DIR}/KalfaktorDiagr.cpp ${QV_CALC_FORMS_DIR}/KalfaktorDiagr.h
    ${QV_CALC_FORMS_DIR}/NamensListe.cpp ${QV_CALC_FORMS_DIR}/NamensListe.h
    ${QV_CALC_FORMS_DIR}/Rohgeometrie.cpp ${QV_CALC_FORMS_DIR}/Rohgeometrie.h
    ${QV_CALC_FORMS_DIR}/D_InputUserValue.cpp ${QV_CALC_FORMS_DIR}/D_InputUserValue.h
    ${QV_CALC_FORMS_DIR}/DUShape.cpp ${QV_CALC_FORMS_DIR}/DUShape.h
    ${QV_CALC_FORMS_DIR}/D_MemoInfo.cpp ${QV_CALC_FORMS_DIR}/D_MemoInfo.h
    ${QV_CALC_FORMS_DIR}/AboutQuelvar.cpp ${QV_CALC_FORMS_DIR}/AboutQuelvar.h
    ${QV_CALC_FORMS_DIR}/InpDruck.cpp ${QV_CALC_FORMS_DIR}/InpDruck.h
    ${QV_CALC_FORMS_DIR}/InpDiagGrenzen.cpp ${QV_CALC_FORMS_DIR}/InpDiagGrenzen.h
    ${QV_CALC_FORMS_DIR}/KoeffInfo.cpp ${QV_CALC_FORMS_DIR}/KoeffInfo.h
    ${QV_CALC_FORMS_DIR}/D_NormVolume.cpp ${QV_CALC_FORMS_DIR}/D_NormVolume.h
    ${QV_CALC_FORMS_DIR}/D_DefaulFileOptions.cpp ${QV_CALC_FORMS_DIR}/D_DefaulFileOptions.h
    ${QV_CALC_FORMS_DIR}/FileDialogs.cpp ${QV_CALC_FORMS_DIR}/FileDialogs.h
  LIBS qv_formbase qv_charts qv_calculator_core qv_components qv_transducer qv_reference qv_platform_gui Qt6::Widgets)
