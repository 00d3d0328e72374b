// The primary screen in twips, as the form host reports it.
#pragma once

namespace vantrel {

int screenTwipsPerPixelX();
int screenTwipsPerPixelY();
int screenWidthTwips();
int screenHeightTwips();

}  // namespace vantrel
