# The sources of korvena_shakeplay_core, shared with the fuzzing build (fuzz/).
set(KORVENA_SHAKEPLAY_CORE_SOURCES
  Animation.cpp ByteSource.cpp ColourTable.cpp CommandLine.cpp DrawModel.cpp
  ModalSums.cpp PlaybackTime.cpp Prefaulter.cpp Records.cpp ResultReader.cpp Services.cpp ShakeplayDoc.cpp SubFrames.cpp)
