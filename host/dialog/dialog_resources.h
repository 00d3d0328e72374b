// Resource identifiers of the settings dialog's artwork and layout, shared by
// dialog.rc and the code. Plain defines only, so the resource compiler can
// read this file. The program icon, made with the same script, is the
// host program's resource 1.
#pragma once

#define IDI_VANTREL_WINDOW 2
#define IDC_VANTREL_HAND 3
#define IDR_VANTREL_P_LAYOUT 300
// Banner frames 1-24 are IDR_BANNER_FRAME + 1 to IDR_BANNER_FRAME + 24.
#define IDR_BANNER_FRAME 200
#define IDR_MARK_OFF 231
#define IDR_MARK_ON 232
