// Resource ids of the text locale tests.
#pragma once

#define IDD_TEXT 100
#define IDC_LATIN 1001
#define IDC_CHINESE 1002
