// The bulletin-board window (class MoxBbs): the boards, the posts of the chosen board newest
// first with their unread marks, the post shown with its attachments; 登録 and 更新 through the
// post dialog (970), 削除 of one's own posts, 管理 (who has read the post, 107), メール as a
// reply to its author, 印刷 and コピー of the body.
#pragma once
#include <windows.h>

LRESULT CALLBACK BbsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
