#include "boards/arria10/ConfigGarvelow.h"

TConfigGarvelow::TConfigGarvelow() = default;
TConfigGarvelow::~TConfigGarvelow() = default;
