# The sources of korvena_frd_results (reading CalculiX .frd files and the options of their
# animation), shared with the fuzzing build (fuzz/).
set(KORVENA_FRD_SOURCES
  frd/ElementShapes.cpp frd/FeatureEdges.cpp frd/FrdLines.cpp frd/FrdOptions.cpp frd/FrdReader.cpp
  frd/FrdResultModel.cpp frd/ModalMotion.cpp frd/SurfaceMesh.cpp)
