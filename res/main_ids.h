// The main window's menu bar, its region cursor and the commands that its menus, its system
// menu and its own clicks send.
#pragma once

#define IDM_MAIN 130
#define IDCUR_REGION 133  // shown over a launcher region

// Commands of the main window.
#define CMD_ENVIRONMENT 102     // environment settings
#define CMD_ABOUT 103           // version information
#define CMD_QUIT 104            // close the client (asks first)
#define CMD_DESTINATIONS 105    // destination list registration
#define CMD_INOUT_BOARD 106     // in/out board window
#define CMD_PHONE_MEMO 107      // phone memo
#define CMD_RECEIVED 108        // received-mail list
#define CMD_SENT 109            // sent-mail list
#define CMD_MAIL 110            // compose mail
#define CMD_MENU_SETTINGS 111   // launcher regions and programs
#define CMD_MESSAGE 112         // send a message
#define CMD_BOARDS 113          // bulletin-board window
#define CMD_CONNECTIONS 115     // who is signed in
#define CMD_PASSWORD 118        // change the password
#define CMD_CHAT 119            // chat window
#define CMD_MEMO 120            // memo window
#define CMD_CALENDAR 122        // calendar window
