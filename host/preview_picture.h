// The preview still's resource: a 152 by 112 baseline JPEG of the scene.
#pragma once

// RCDATA resource id of the JPEG.
#define VANTREL_PREVIEW_JPEG 101
