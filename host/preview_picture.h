// The preview still's resource: a 304 by 224 baseline JPEG of the scene,
// twice the settings page's box so it stays sharp when scaled up to 200 %.
#pragma once

// RCDATA resource id of the JPEG.
#define VANTREL_PREVIEW_JPEG 101
