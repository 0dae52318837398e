# The sources of korvena_frd_results (reading CalculiX .frd files), shared with the fuzzing build (fuzz/).
set(KORVENA_FRD_SOURCES
  frd/ElementShapes.cpp frd/FeatureEdges.cpp frd/FrdLines.cpp frd/FrdReader.cpp frd/FrdResultModel.cpp
  frd/ModalMotion.cpp frd/SurfaceMesh.cpp)
