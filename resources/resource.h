#pragma once
// Resource identifiers shared by porutena.rc and the code that loads them.

#define IDI_PORUTENA 1       // application icon, 64, 48, 32, 24 and 16 pixels
#define IDB_TOOLBAR 101      // ten 16 x 16 toolbar glyphs in a strip
#define IDI_ABOUT_IMAGE 103  // the About box's own fixed picture, 64, 48, 32, 24 and 16 pixels
#define IDB_OK_GLYPH 104     // glyph beside OK buttons
#define IDB_CANCEL_GLYPH 105 // glyph beside cancel buttons
// The same glyphs drawn at 24 and 32 pixels, for higher display scales.
#define IDB_TOOLBAR_24 106
#define IDB_TOOLBAR_32 107
#define IDB_OK_GLYPH_24 110
#define IDB_OK_GLYPH_32 111
#define IDB_CANCEL_GLYPH_24 112
#define IDB_CANCEL_GLYPH_32 113
