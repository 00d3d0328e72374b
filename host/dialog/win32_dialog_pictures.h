// The dialog's stored data: its layout text and its pictures, decoded from
// the program's JPEG resources by the platform's picture loader.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel {

// The bytes of RCDATA resource id; empty when it is missing.
std::string resourceBytes(HINSTANCE instance, int id);

// A bitmap of the JPEG stored as RCDATA resource id; nullptr when the
// resource is missing or cannot be decoded. The caller deletes it.
HBITMAP loadJpegResource(HINSTANCE instance, int id);

}  // namespace vantrel
