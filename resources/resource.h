#pragma once
// Resource identifiers shared by porutena.rc and the code that loads them.

#define IDI_PORUTENA 1          // application icon, 32 x 32 and 16 x 16
#define IDB_TOOLBAR 101         // ten 16 x 16 toolbar glyphs in a strip
#define IDB_TOOLBAR_DISABLED 102 // the same glyphs, disabled look
#define IDI_ABOUT_IMAGE 103     // the About box's own fixed picture
#define IDB_OK_GLYPH 104        // glyph beside OK buttons
#define IDB_CANCEL_GLYPH 105    // glyph beside cancel buttons
