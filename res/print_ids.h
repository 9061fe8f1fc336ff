// Templates and controls of printing.
#pragma once

#define IDD_PRINT_PROGRESS 108
#define IDC_PRINT_CAPTION 1196
