// Dictionary loading for NewGame. Dictionary files are not read yet: no header name is
// found, so NewGame starts from the words already in the word store.
#include "QuandelLogic.h"

namespace tilvora {

std::string QuandelLogic::ReadHeaderName(const std::string&) { return {}; }

int32_t QuandelLogic::LoadDictionary(const std::string&) { return -1; }

} // namespace tilvora
