#pragma once
// Resource identifiers shared by the resource script and the code.
#define IDI_VARROW_MAIN 1
#define IDI_VARROW_LETTER 101
#define IDI_VARROW_WARNING 102
