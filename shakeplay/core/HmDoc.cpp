#include "shakeplay/core/HmDoc.h"

namespace shakeplay {

CHmDoc::CHmDoc() : viewMatrix(identityMatrix<double>()), rotation(identityMatrix<float>()) {}

void CHmDoc::ChooseDisplayMode() { litMode = 0; }

}  // namespace shakeplay
