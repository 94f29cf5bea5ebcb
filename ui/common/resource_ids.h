#pragma once
// Resource identifiers shared by the resource script and the code.

#define IDI_ZINTAR 1

// Each picture at 96 dpi, the design it is drawn for.
#define IDB_IMGLANGENG_HL 101
#define IDB_IMGLANGHUN_HL 102
#define IDB_IMAGE2 103

// The flags: 32-bit premultiplied-alpha bitmaps that the build converts from their GIFs.
#define IDB_IMGLANGENG 201
#define IDB_IMGLANGHUN 202
// The layout table still names the flags by their former GIF resources.
#define IDR_IMGLANGENG_GIF IDB_IMGLANGENG
#define IDR_IMGLANGHUN_GIF IDB_IMGLANGHUN

// The same pictures drawn by the build for 120, 144 and 192 dpi: the 96 dpi picture's
// identifier plus one, two or three times IDB_SCALE_STEP. Written out, as resource compilers
// differ in the arithmetic they take.
#define IDB_SCALE_STEP 1000
#define IDB_IMGLANGENG_HL_120 1101
#define IDB_IMGLANGHUN_HL_120 1102
#define IDB_IMAGE2_120 1103
#define IDB_IMGLANGENG_120 1201
#define IDB_IMGLANGHUN_120 1202
#define IDB_IMGLANGENG_HL_144 2101
#define IDB_IMGLANGHUN_HL_144 2102
#define IDB_IMAGE2_144 2103
#define IDB_IMGLANGENG_144 2201
#define IDB_IMGLANGHUN_144 2202
#define IDB_IMGLANGENG_HL_192 3101
#define IDB_IMGLANGHUN_HL_192 3102
#define IDB_IMAGE2_192 3103
#define IDB_IMGLANGENG_192 3201
#define IDB_IMGLANGHUN_192 3202
