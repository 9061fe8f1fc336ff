#include "shell/launcher_regions.h"

#include "store/bytes.h"
#include "store/names.h"

const char kMsgMenuSaveFailed[] = "menu.mox ファイルを保存できません。";
const char kMsgProgramSaveFailed[] = "program.mox ファイルを保存できません。";
const char kMsgNoAssociation[] = "関連付けされていません";
const char kMsgRegionTaken[] = "選択範囲には既に機能またはプログラムが割り当ててあります。";

namespace {

const char* const kFunctionNames[kFunctionCount] = {
    "行先入力", "受信簿", "送信簿",   "掲示板",     "チャット", "メール",
    "電話メモ", "メッセージ", "行先掲示板", "メモ", "接続名一覧", "カレンダー",
};

}  // namespace

RegionRect GetRegionRect(const unsigned char* p) {
    RegionRect r;
    r.left = GetInt16(p);
    r.top = GetInt16(p + 2);
    r.right = GetInt16(p + 4);
    r.bottom = GetInt16(p + 6);
    return r;
}

void PutRegionRect(unsigned char* p, const RegionRect& r) {
    PutInt16(p, r.left);
    PutInt16(p + 2, r.top);
    PutInt16(p + 4, r.right);
    PutInt16(p + 6, r.bottom);
}

RegionRect MakeRegionRect(int left, int top, int right, int bottom) {
    RegionRect r;
    r.left = static_cast<int16_t>(left);
    r.top = static_cast<int16_t>(top);
    r.right = static_cast<int16_t>(right);
    r.bottom = static_cast<int16_t>(bottom);
    return r;
}

bool RegionRect::Intersects(const RegionRect& o) const {
    if (IsEmpty() || o.IsEmpty()) return false;
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
}

const char* FunctionName(int function) {
    return function >= 0 && function < kFunctionCount ? kFunctionNames[function] : "";
}

int HitTestRegions(const LauncherRegions& tables, int x, int y, PicturePoint scroll) {
    x += scroll.x;
    y += scroll.y;
    for (int i = 0; i < kRegionSlots; ++i) {
        if (tables.functions[i].rect.Contains(x, y)) return tables.functions[i].number;
        if (tables.programs[i].rect.Contains(x, y)) return tables.programs[i].number;
    }
    return -1;
}

bool RegionsAreFree(const LauncherRegions& tables, const RegionRect& candidate) {
    for (int i = 0; i < kRegionSlots; ++i) {
        if (tables.functions[i].rect.Intersects(candidate)) return false;
        if (tables.programs[i].rect.Intersects(candidate)) return false;
    }
    return true;
}

RegionKind KindOfRegion(int number) {
    if (number >= 0 && number < kFunctionCount) return RegionKind::kFunction;
    if (number >= kFirstProgram && number <= kLastUsableProgram) return RegionKind::kProgram;
    return RegionKind::kNone;
}

std::string RegionLabel(const LauncherRegions& tables, int number) {
    switch (KindOfRegion(number)) {
        case RegionKind::kFunction: return FunctionName(number);
        case RegionKind::kProgram:
            for (const ProgramSlot& p : tables.programs)
                if (p.number == number) return p.name;
            return std::string();
        default: return std::string();
    }
}

RegionRect DragRect(int startX, int startY, int currentX, int currentY, PicturePoint scroll) {
    int x0 = startX + scroll.x, y0 = startY + scroll.y;
    int x1 = currentX + scroll.x, y1 = currentY + scroll.y;
    return MakeRegionRect(x0 < x1 ? x0 : x1, y0 < y1 ? y0 : y1, x0 < x1 ? x1 : x0,
                          y0 < y1 ? y1 : y0);
}

std::string AssociationKey(const std::string& path) {
    std::string ext = PathExtension(path);
    return ext.empty() ? ext : ext.substr(1);
}

std::string AssociatedCommand(const std::string& entry, const std::string& path) {
    std::string program = entry.substr(0, entry.find('^'));
    while (!program.empty() && (program.back() == ' ' || program.back() == '\t'))
        program.pop_back();
    if (program.empty()) return std::string();
    // The entry's own blank before the caret separates program and document; an entry written
    // without a caret must not run the two together into one word. A path with a blank in it
    // (a network directory such as n:\総務 共有) goes in quotes, or the program would be
    // handed its pieces as several documents.
    if (path.find_first_of(" \t") != std::string::npos) return program + " \"" + path + "\"";
    return program + " " + path;
}
