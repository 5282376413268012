// The platform header maps some names the library uses for its own operations to their ANSI
// forms (AppendMenu to AppendMenuA, LoadBitmap to LoadBitmapA). The library's headers keep the
// plain names for their operations and add forwarders under the ANSI names, so code compiled
// with the platform's mapping still reaches them; the sources that define the operations
// include this header last, so the definitions carry the plain names as well.
#pragma once

#undef AppendMenu
#undef GetMenuItemInfo
#undef GetMenuString
#undef InsertMenu
#undef LoadBitmap
#undef LoadMenu
#undef ModifyMenu
