// The dialog's pictures, decoded from the program's JPEG resources by the
// platform's picture loader.
#pragma once

#include <windows.h>

namespace vantrel {

// A bitmap of the JPEG stored as RCDATA resource id; nullptr when the
// resource is missing or cannot be decoded. The caller deletes it.
HBITMAP loadJpegResource(HINSTANCE instance, int id);

}  // namespace vantrel
