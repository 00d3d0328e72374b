#include "host/base/bgm_settings.h"

namespace vantrel {

std::int16_t BGM_Kind = 0;
std::int16_t BGM_Track = 0;
std::string BGM_File;
std::string BGM_Folder;

}  // namespace vantrel
