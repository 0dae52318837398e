# The sources of korvena_result_writer, shared with the fuzzing build (fuzz/).
set(KORVENA_RESULT_WRITER_SOURCES ResultData.cpp ResultModel.cpp SampleModels.cpp)
