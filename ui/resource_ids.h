#pragma once
// Resource identifiers shared by the resource script and the code.

#define IDI_ZINTAR 1

#define IDB_IMGLANGENG_HL 101
#define IDB_IMGLANGHUN_HL 102
#define IDB_IMAGE2 103

// The flags: 32-bit premultiplied-alpha bitmaps that the build converts from their GIFs.
#define IDB_IMGLANGENG 201
#define IDB_IMGLANGHUN 202
// The layout table still names the flags by their former GIF resources.
#define IDR_IMGLANGENG_GIF IDB_IMGLANGENG
#define IDR_IMGLANGHUN_GIF IDB_IMGLANGHUN
