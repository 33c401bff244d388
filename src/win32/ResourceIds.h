#pragma once

// Identifiers shared by the resource script and the program. Plain macros, since
// the resource compiler reads this file too.

#define IDI_TEXTMEND 1
#define IDI_TEXTMEND_AUTOPROCESS 2
#define IDR_TEXTMEND_MANIFEST 1
