#pragma once
// Resource identifiers shared by the resource script and the code.

#define IDI_ZINTAR 1

#define IDB_IMGLANGENG_HL 101
#define IDB_IMGLANGHUN_HL 102
#define IDB_IMAGE2 103

#define IDR_IMGLANGENG_GIF 201
#define IDR_IMGLANGHUN_GIF 202
