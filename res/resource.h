// Resource and control numbers of the client. Each subsystem keeps its templates' numbers in a
// header of its own, included here, so templates of different windows are added side by side.
#pragma once

// Icons: the program and the sub-window classes.
#define IDI_MOX 120
#define IDI_CHAT 105
#define IDI_LIST 106  // received and sent mail lists, calendar
#define IDI_BORD 107
#define IDI_BBS 108
#define IDI_MEMO 109
#define IDI_MSG 111

// Control numbers that many templates share.
#define IDC_LOGIN_NAME 1005
#define IDC_LIST 1055
#define IDC_NET_DIR 1111  // an edit in first-run setup, a label in self-registration
#define IDC_TEXT 1138     // the text control that LoadTextIntoControl fills
#define IDC_PASSWORD 1168

#include "res/shell_ids.h"
#include "res/users_ids.h"
#include "res/main_ids.h"
#include "res/mail_ids.h"
#include "res/print_ids.h"
#include "res/compose_ids.h"
#include "res/phone_ids.h"
#include "res/memo_ids.h"
#include "res/calendar_ids.h"
#include "res/settings_ids.h"
#include "res/bbs_ids.h"
#include "res/messages_ids.h"
#include "res/board_ids.h"
#include "res/chat_ids.h"
