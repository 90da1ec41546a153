// Ids of the test program's copies of the icon's pixel maps.
#pragma once

#define IDR_PIXEL_MAP_32 901
#define IDR_PIXEL_MAP_16 902
