// Templates and controls of the shell's dialogs.
#pragma once

#define IDD_ABOUT 200
#define IDC_ABOUT_MEMORY 200
